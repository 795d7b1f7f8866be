#pragma once

#include <QProcess>
#include <QStringList>

#include <string>

namespace ortavel::test {

// The ortavel-sim program as a child process: it prints the path of its
// line first, then answers until it is stopped or killed.
class SimProgram {
public:
    SimProgram() = default;
    ~SimProgram();
    SimProgram(const SimProgram &) = delete;
    SimProgram &operator=(const SimProgram &) = delete;

    // Starts it and waits for the path of its line; false if none came.
    bool start(const QStringList &arguments);
    const std::string &linkPath() const { return m_linkPath; }
    // The far end goes away at once, as an unplugged adapter does.
    void kill();
    // The --trace lines written so far.
    std::string log();
    // Waits until the log holds a text so many times; false when it did
    // not come in time.
    bool waitForLog(const std::string &text, int times = 1, int timeoutMs = 10000);

private:
    QProcess m_process;
    std::string m_linkPath;
    std::string m_log;
};

} // namespace ortavel::test
