#include "SimProgram.h"

#include <QElapsedTimer>

namespace ortavel::test {

SimProgram::~SimProgram()
{
    kill();
}

bool SimProgram::start(const QStringList &arguments)
{
    m_process.start(ORTAVEL_SIM_PROGRAM, arguments);
    if (!m_process.waitForStarted())
        return false;
    QElapsedTimer timer;
    timer.start();
    while (!m_process.canReadLine() && timer.elapsed() < 10000 && m_process.state() == QProcess::Running)
        m_process.waitForReadyRead(100);
    m_linkPath = m_process.readLine().trimmed().toStdString();
    return !m_linkPath.empty();
}

void SimProgram::kill()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.kill();
    m_process.waitForFinished();
}

std::string SimProgram::log()
{
    m_log += m_process.readAllStandardError().toStdString();
    return m_log;
}

bool SimProgram::waitForLog(const std::string &text, int times, int timeoutMs)
{
    const auto count = [&] {
        int n = 0;
        const std::string &all = log();
        for (auto at = all.find(text); at != std::string::npos; at = all.find(text, at + 1))
            ++n;
        return n;
    };
    QElapsedTimer timer;
    timer.start();
    while (count() < times) {
        if (timer.elapsed() > timeoutMs || m_process.state() != QProcess::Running)
            return false;
        m_process.waitForReadyRead(10);
    }
    return true;
}

} // namespace ortavel::test
