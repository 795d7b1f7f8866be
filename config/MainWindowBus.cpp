#include "MainWindowBus.h"

#include "link/LineSettings.h"
#include "link/Numbers.h"
#include "link/SerialPort.h"
#include "mainwin/Ortavel.h"

namespace ortavel {

std::string MainWindowBus::send(const std::string &address, const std::string &command)
{
    return m_main.Comm_Send(address, command);
}

std::string MainWindowBus::probe(const std::string &address, const std::string &command,
                                 const std::optional<QuickSearchWait> &quick)
{
    return m_main.Comm_Send(address, command, AfterFailure::NoDrain, quick);
}

bool MainWindowBus::setBaud(int baud)
{
    const auto band = bandIndexOfBaud(baud);
    if (!band || *band >= m_main.CMB_BAND.count())
        return false;
    m_main.changeBaud(*band);
    return m_main.MSCommBsq.isOpen();
}

int MainWindowBus::baud() const
{
    const auto number = plainNumber(m_main.CMB_BAND.text());
    return number ? static_cast<int>(*number) : 0;
}

std::optional<int> MainWindowBus::fixedBaud() const
{
    return m_main.MSCommBsq.fixedBaud();
}

int MainWindowBus::allowanceMs() const
{
    return m_main.MSCommBsq.allowanceMs();
}

int MainWindowBus::latencyMs() const
{
    return m_main.MSCommBsq.latencyMs();
}

HistoryRecorder *MainWindowBus::history()
{
    return &m_main.history();
}

} // namespace ortavel
