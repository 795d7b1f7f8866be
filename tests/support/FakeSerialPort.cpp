#include "FakeSerialPort.h"

#include "FakeClock.h"
#include "link/Checksum.h"

#include <algorithm>

namespace ortavel::test {

void FakeSerialPort::deliver(const std::string &bytes, int delayMs)
{
    const Pending p{m_clock.nowMs() + delayMs, bytes};
    const auto later = [](const Pending &a, const Pending &b) { return a.arrival < b.arrival; };
    m_pending.insert(std::upper_bound(m_pending.begin(), m_pending.end(), p, later), p);
}

bool FakeSerialPort::open()
{
    record("open");
    if (m_open)
        return fail("Port already open");
    if (missingPorts.count(m_number) != 0)
        return fail(openErrorText);
    m_open = true;
    return true;
}

bool FakeSerialPort::close()
{
    record("close");
    if (!m_open)
        return fail("Port already closed");
    m_open = false;
    return true;
}

bool FakeSerialPort::setPortNumber(int number)
{
    record("setPortNumber " + std::to_string(number));
    if (m_open)
        return fail("Operation valid only when the port is closed");
    if (number < 1 || number > 6)
        return fail("Invalid port number");
    m_number = number;
    return true;
}

bool FakeSerialPort::discardInput()
{
    record("discardInput");
    if (!m_open)
        return fail("Port is closed");
    const auto now = m_clock.nowMs();
    std::erase_if(m_pending, [now](const Pending &p) { return p.arrival <= now; });
    return true;
}

bool FakeSerialPort::write(const std::string &bytes)
{
    record("write");
    if (!m_open || failWrites)
        return fail("Write failed");
    m_writes.push_back(bytes);
    if (m_responder) {
        if (auto reply = m_responder(bytes))
            deliver(reply->bytes, reply->delayMs);
    }
    return true;
}

std::string FakeSerialPort::readAvailable()
{
    ++m_reads;
    std::string out;
    while (!m_pending.empty() && m_pending.front().arrival <= m_clock.nowMs()) {
        out += m_pending.front().bytes;
        m_pending.erase(m_pending.begin());
    }
    return out;
}

WaitResult FakeSerialPort::waitForInput(int timeoutMs)
{
    failWaits = failWaits || waitsBeforeFailing == 0;
    waitsBeforeFailing -= waitsBeforeFailing > 0 ? 1 : 0;
    if (!m_open || failWaits) {
        fail("Read failed");
        return WaitResult::Failed;
    }
    const auto now = m_clock.nowMs();
    if (!m_pending.empty() && m_pending.front().arrival <= now + timeoutMs) {
        m_clock.setNow(std::max(now, m_pending.front().arrival));
        return WaitResult::Ready;
    }
    m_clock.advance(timeoutMs);
    return WaitResult::Timeout;
}

std::string FakeSerialPort::replyFrame(const std::string &payload)
{
    return "*" + payload + PARITY_XORB(payload) + "\r";
}

std::optional<std::pair<std::string, std::string>> FakeSerialPort::parseRequest(const std::string &frame)
{
    if (frame.size() < 6 || frame.front() != '$' || frame.back() != '\r')
        return std::nullopt;
    return std::make_pair(frame.substr(1, 2), frame.substr(3, frame.size() - 6));
}

} // namespace ortavel::test
