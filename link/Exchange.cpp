#include "Exchange.h"

#include "Checksum.h"
#include "Clock.h"
#include "LineSettings.h"
#include "ReplyCheck.h"
#include "SerialPort.h"

namespace ortavel {

Exchange::Exchange(SerialPort &port, const Clock &clock) : m_port(port), m_clock(clock) {}

std::string Exchange::requestFrame(const std::string &send_addr, const std::string &send_comm)
{
    const std::string covered = send_addr + send_comm;
    return "$" + covered + PARITY_XORB(covered) + "\r";
}

std::string Exchange::Comm_Send(const std::string &send_addr, const std::string &send_comm)
{
    const int timeoutMs = replyTimeoutMs(m_port.settings());
    m_lastRequest = requestFrame(send_addr, send_comm);
    m_lastReceived.clear();
    const std::string &frame = m_lastRequest;

    // A closed or failing port must neither hang nor crash the caller.
    if (!m_port.isOpen()) {
        m_lastRequest.clear();
        return std::string(kNoReply);
    }
    m_port.discardInput();
    m_port.discardOutput();
    const std::int64_t start = m_clock.nowMs();
    if (!m_port.write(frame))
        return std::string(kNoReply);
    m_lastReceived = collectReply(timeoutMs, start);
    return checkReply(m_lastReceived);
}

// Read passes until a CR has arrived or the time is up; between passes the
// wait blocks on the port instead of spinning.
std::string Exchange::collectReply(int timeoutMs, std::int64_t start)
{
    std::string received;
    for (;;) {
        received += m_port.readAvailable();
        const std::int64_t elapsed = m_clock.nowMs() - start;
        if (received.find('\r') != std::string::npos || elapsed >= timeoutMs)
            return received;
        const auto remaining = static_cast<int>(timeoutMs - elapsed);
        if (m_port.waitForInput(remaining) == WaitResult::Failed)
            return {};
    }
}

} // namespace ortavel
