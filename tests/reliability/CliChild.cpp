#include "CliChild.h"

namespace ortavel::test {

CliChild::CliChild() = default;

bool CliChild::start(const QStringList &arguments)
{
    m_process.start(ORTAVEL_CLI_PROGRAM, QStringList{"--settings-dir", m_settings.path()} + arguments);
    return m_process.waitForStarted();
}

bool CliChild::finish(int timeoutMs)
{
    const bool finished = m_process.waitForFinished(timeoutMs);
    if (!finished) {
        m_process.kill();
        m_process.waitForFinished();
    }
    m_exitCode = finished && m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
    m_out = m_process.readAllStandardOutput().toStdString();
    m_err = m_process.readAllStandardError().toStdString();
    return finished;
}

CliResult runCli(const QStringList &arguments, int timeoutMs)
{
    CliChild child;
    if (!child.start(arguments))
        return {};
    child.finish(timeoutMs);
    return {child.exitCode(), child.out(), child.err()};
}

} // namespace ortavel::test
