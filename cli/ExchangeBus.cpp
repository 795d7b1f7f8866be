#include "ExchangeBus.h"

#include "link/Clock.h"
#include "link/LineSettings.h"
#include "link/SerialPort.h"

namespace ortavel::cli {

ExchangeBus::ExchangeBus(SerialPort &port, const Clock &clock) : m_port(port), m_clock(clock), m_exchange(port, clock)
{
    if (const auto baud = baudOfSettings(port.settings()))
        m_baud = *baud;
}

std::string ExchangeBus::send(const std::string &address, const std::string &command)
{
    return exchange(address, command, AfterFailure::Drain);
}

std::string ExchangeBus::probe(const std::string &address, const std::string &command,
                               const std::optional<QuickSearchWait> &quick)
{
    return exchange(address, command, AfterFailure::NoDrain, quick);
}

std::string ExchangeBus::exchange(const std::string &address, const std::string &command, AfterFailure afterFailure,
                                  const std::optional<QuickSearchWait> &quick)
{
    std::string result = m_exchange.Comm_Send(address, command, afterFailure, quick);
    if (const auto &late = m_exchange.lateReply()) {
        const bool first = m_lateTold.insert(late->address).second;
        if (m_lateNotice)
            m_lateNotice(*late, first);
    }
    // A request that never went out (a closed port) changed nothing.
    if (m_sent && !m_exchange.lastRequest().empty())
        m_sent(address, command, result);
    if (m_trace)
        m_trace(ExchangeTrace{m_exchange.lastStartMs(), m_clock.nowMs(), m_baud, address, m_exchange.lastRequest(),
                              m_exchange.lastReceived(), result});
    return result;
}

std::optional<int> ExchangeBus::fixedBaud() const
{
    return m_port.fixedBaud();
}

int ExchangeBus::allowanceMs() const
{
    return m_port.allowanceMs();
}

int ExchangeBus::latencyMs() const
{
    return m_port.latencyMs();
}

bool ExchangeBus::setBaud(int baud)
{
    if (!m_port.setSettings(lineSettingsText(std::to_string(baud))))
        return false;
    m_baud = baud;
    if (m_baudSet)
        m_baudSet(baud);
    return true;
}

} // namespace ortavel::cli
