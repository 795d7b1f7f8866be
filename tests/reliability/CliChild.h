#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <string>
#include <vector>

namespace ortavel::test {

// The real ortavel-cli as a child process, with a settings folder of its
// own; started and waited for separately so that a test can watch it run.
class CliChild {
public:
    CliChild();

    // Starts the program with the settings folder option put first.
    bool start(const QStringList &arguments);
    // False when it did not end in time (it is then killed).
    bool finish(int timeoutMs = 60000);
    qint64 pid() const { return m_process.processId(); }

    // -1 after a crash or a kill.
    int exitCode() const { return m_exitCode; }
    const std::string &out() const { return m_out; }
    const std::string &err() const { return m_err; }
    QString settingsDir() const { return m_settings.path(); }
    // Runs the process modifier in the child before the program starts.
    QProcess &process() { return m_process; }

private:
    QTemporaryDir m_settings;
    QProcess m_process;
    int m_exitCode = -1;
    std::string m_out;
    std::string m_err;
};

// Starts, waits and gives the child for its results.
struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};
CliResult runCli(const QStringList &arguments, int timeoutMs = 60000);
// The same with arguments as bytes, UTF-8 or not.
CliResult runCliBytes(const std::vector<std::string> &arguments, int timeoutMs = 60000);

} // namespace ortavel::test
