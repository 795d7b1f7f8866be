#pragma once

#include <QStringList>

#include <string>

namespace ortavel::test {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// The real ortavel-cli as a child process, with a settings folder of its
// own so the user's settings are never touched.
class CliProcess {
public:
    explicit CliProcess(QString device);

    CliRun run(const QStringList &arguments, int timeoutMs = 60000) const;
    QStringList withDevice(const QStringList &arguments) const;

private:
    QString m_device;
    QString m_settingsDir;
};

} // namespace ortavel::test
