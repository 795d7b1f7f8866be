#pragma once

#include "sim/DemoBus.h"
#include "sim/SimServer.h"
#include "traffic/TrafficLine.h"

#include <QJsonArray>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/types.h>

#include <array>
#include <string>
#include <vector>

namespace ortavel::test {

struct CliResult {
    int exitCode = -1; // -1 after a crash or a kill
    std::string out;
    std::string err;
};

// ortavel-cli as a child with a settings folder of its own, which holds its default history too; the arguments are
// bytes, UTF-8 or not.
class CliChild {
public:
    ~CliChild();
    bool start(const std::vector<std::string> &arguments);
    // False when it did not end in time (it is then killed).
    bool finish(int timeoutMs = 60000);
    pid_t pid() const { return m_pid; }
    const CliResult &result() const { return m_result; }

private:
    QTemporaryDir m_settings;
    pid_t m_pid = -1;
    std::array<int, 2> m_pipes = {-1, -1}; // its stdout and stderr
    CliResult m_result;
};

CliResult runCli(const std::vector<std::string> &arguments, int timeoutMs = 60000);
// The array a command printed with --json; empty for anything else.
QJsonArray jsonArrayOf(const std::string &text);

// The ortavel-sim program as a child process; it prints its line's path first.
class SimProgram {
public:
    ~SimProgram() { kill(); }

    // Starts it and waits for the path of its line; false if none came.
    bool start(const QStringList &arguments);
    const std::string &linkPath() const { return m_linkPath; }
    // The far end goes away at once, as an unplugged adapter does.
    void kill();
    // Waits until its --trace lines hold a text so many times.
    bool waitForLog(const std::string &text, int times = 1, int timeoutMs = 10000);

private:
    QProcess m_process;
    std::string m_linkPath;
    std::string m_log;
};

double threadCpuMs();
// CPU time used so far by a running process; negative when it has gone.
double processCpuMs(pid_t pid);

// The exchanges of a command's --trace, one line each.
std::vector<ExchangeRecord> traceLines(const std::string &err);

// The simulator's demo bus on a link in a temporary folder; bytes cost no wire time.
class DemoLine : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        sim::SimServer::Options options;
        options.linkPath = (m_folder.path() + "/com1").toStdString();
        options.timing.wireTime = false;
        options.timing.turnaround = std::chrono::milliseconds(1);
        // Late replies well clear of both ends of the drain, on a busy machine too.
        options.timing.lateMin = std::chrono::milliseconds(30);
        options.timing.lateMax = std::chrono::milliseconds(70);
        m_link = m_server.start(sim::demoBus(), options);
    }

    // Runs ortavel-cli on the line; the trace then holds its requests only.
    CliResult run(std::vector<std::string> arguments)
    {
        m_server.clearTrace();
        arguments.insert(arguments.begin(), {"--device", m_link});
        return runCli(arguments);
    }

    QTemporaryDir m_folder;
    sim::SimServer m_server;
    std::string m_link;
};

} // namespace ortavel::test
