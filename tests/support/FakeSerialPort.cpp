#include "FakeSerialPort.h"

#include "FakeClock.h"
#include "link/Checksum.h"

#include <algorithm>

namespace ortavel::test {

FakeSerialPort::FakeSerialPort(FakeClock &clock) : m_clock(clock) {}

bool FakeSerialPort::fail(const std::string &text)
{
    m_error = text;
    return false;
}

void FakeSerialPort::deliver(const std::string &bytes, int delayMs)
{
    m_pending.push_back({m_clock.nowMs() + delayMs, bytes});
}

bool FakeSerialPort::open()
{
    m_calls.emplace_back("open");
    if (m_open)
        return fail("Port already open");
    if (missingPorts.count(m_number) != 0)
        return fail(openErrorText);
    m_open = true;
    return true;
}

bool FakeSerialPort::close()
{
    m_calls.emplace_back("close");
    if (!m_open)
        return fail("Port already closed");
    m_open = false;
    return true;
}

bool FakeSerialPort::setPortNumber(int number)
{
    m_calls.push_back("setPortNumber " + std::to_string(number));
    if (m_open)
        return fail("Operation valid only when the port is closed");
    if (number < 1 || number > 6)
        return fail("Invalid port number");
    m_number = number;
    return true;
}

bool FakeSerialPort::setSettings(const std::string &settings)
{
    m_calls.push_back("setSettings " + settings);
    m_settings = settings;
    return true;
}

bool FakeSerialPort::discardInput()
{
    m_calls.emplace_back("discardInput");
    if (!m_open)
        return fail("Port is closed");
    const auto now = m_clock.nowMs();
    std::erase_if(m_pending, [now](const Pending &p) { return p.arrival <= now; });
    return true;
}

bool FakeSerialPort::discardOutput()
{
    m_calls.emplace_back("discardOutput");
    return m_open || fail("Port is closed");
}

bool FakeSerialPort::write(const std::string &bytes)
{
    m_calls.emplace_back("write");
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
    std::string out;
    const auto now = m_clock.nowMs();
    std::stable_sort(m_pending.begin(), m_pending.end(),
                     [](const Pending &a, const Pending &b) { return a.arrival < b.arrival; });
    while (!m_pending.empty() && m_pending.front().arrival <= now) {
        out += m_pending.front().bytes;
        m_pending.erase(m_pending.begin());
    }
    return out;
}

bool FakeSerialPort::setTextInputMode()
{
    m_calls.emplace_back("setTextInputMode");
    return true;
}

bool FakeSerialPort::setReadLength(int length)
{
    m_calls.push_back("setReadLength " + std::to_string(length));
    return true;
}

bool FakeSerialPort::setReceiveThreshold(int threshold)
{
    m_calls.push_back("setReceiveThreshold " + std::to_string(threshold));
    return true;
}

bool FakeSerialPort::setSendThreshold(int threshold)
{
    m_calls.push_back("setSendThreshold " + std::to_string(threshold));
    return true;
}

WaitResult FakeSerialPort::waitForInput(int timeoutMs)
{
    if (!m_open || failWaits) {
        fail("Read failed");
        return WaitResult::Failed;
    }
    const auto now = m_clock.nowMs();
    std::int64_t next = -1;
    for (const auto &p : m_pending) {
        if (next < 0 || p.arrival < next)
            next = p.arrival;
    }
    if (next >= 0 && next <= now + timeoutMs) {
        m_clock.setNow(std::max(now, next));
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
