#include "MainWindowBus.h"

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
    const auto &entries = m_main.CMB_BAND.entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].text == std::to_string(baud)) {
            m_main.changeBaud(static_cast<int>(i));
            return m_main.MSCommBsq.isOpen();
        }
    }
    return false;
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
