#include "CliProcess.h"

#include <QDir>
#include <QProcess>

namespace ortavel::test {

CliProcess::CliProcess(QString device)
    : m_device(std::move(device)), m_settingsDir(QDir::tempPath() + "/ortavel-cli-test-settings")
{
}

QStringList CliProcess::withDevice(const QStringList &arguments) const
{
    return QStringList{"--device", m_device, "--settings-dir", m_settingsDir} + arguments;
}

CliRun CliProcess::run(const QStringList &arguments, int timeoutMs) const
{
    QProcess process;
    process.start(ORTAVEL_CLI_PROGRAM, withDevice(arguments));
    CliRun result;
    if (!process.waitForStarted() || !process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        result.err = "ortavel-cli did not finish";
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput().toStdString();
    result.err = process.readAllStandardError().toStdString();
    return result;
}

} // namespace ortavel::test
