#include "EchoFilter.h"

#include "Clock.h"
#include "text/OperatorText.h"

#include <algorithm>
#include <array>
#include <utility>

namespace ortavel {

namespace {
constexpr std::array kModes = {EchoMode::Off, EchoMode::On, EchoMode::Auto};
} // namespace

const char *echoModeName(EchoMode mode)
{
    switch (mode) {
    case EchoMode::Off:
        return "off";
    case EchoMode::On:
        return "on";
    case EchoMode::Auto:
        return "auto";
    }
    return "auto";
}

std::optional<EchoMode> parseEchoMode(std::string_view text, std::string &error)
{
    for (const EchoMode mode : kModes) {
        if (text == echoModeName(mode))
            return mode;
    }
    error = "echo: must be off, on or auto, got \"" + std::string(text) + "\"";
    return std::nullopt;
}

EchoFilter::EchoFilter(SerialPort &inner, const Clock &clock, EchoMode mode)
    : m_inner(inner), m_clock(clock), m_mode(mode)
{
}

void EchoFilter::setMode(EchoMode mode)
{
    // Bytes held as a possible echo would otherwise never be handed on.
    if (mode == EchoMode::Off) {
        m_ready += m_echo.substr(0, m_matched);
        m_echo.clear();
        m_matched = 0;
    }
    m_mode = mode;
}

bool EchoFilter::open()
{
    if (!m_inner.open())
        return false;
    forget();
    m_faultTold = false;
    return true;
}

bool EchoFilter::close()
{
    forget();
    return m_inner.close();
}

bool EchoFilter::discardInput()
{
    forget();
    return m_inner.discardInput();
}

bool EchoFilter::write(const std::string &bytes)
{
    if (!m_inner.write(bytes))
        return false;
    if (m_mode != EchoMode::Off)
        m_echo += bytes;
    return true;
}

std::string EchoFilter::readAvailable()
{
    takeIn(m_inner.readAvailable());
    return std::exchange(m_ready, {});
}

WaitResult EchoFilter::waitForInput(int timeoutMs)
{
    if (!m_ready.empty())
        return WaitResult::Ready;
    if (m_mode == EchoMode::Off)
        return m_inner.waitForInput(timeoutMs);
    const std::int64_t deadline = m_clock.nowMs() + std::max(0, timeoutMs);
    for (;;) {
        const auto remaining = static_cast<int>(std::max<std::int64_t>(0, deadline - m_clock.nowMs()));
        const WaitResult result = m_inner.waitForInput(remaining);
        if (result == WaitResult::Failed)
            return result;
        if (result == WaitResult::Ready)
            takeIn(m_inner.readAvailable());
        if (!m_ready.empty())
            return WaitResult::Ready;
        if (result == WaitResult::Timeout || m_clock.nowMs() >= deadline)
            return WaitResult::Timeout;
    }
}

void EchoFilter::takeIn(const std::string &bytes)
{
    if (m_echo.empty()) {
        m_ready += bytes;
        return;
    }
    std::size_t i = 0;
    while (i < bytes.size() && m_matched < m_echo.size() && bytes[i] == m_echo[m_matched]) {
        ++i;
        ++m_matched;
    }
    if (m_matched == m_echo.size()) {
        m_ready += bytes.substr(i);
        m_echo.clear();
        m_matched = 0;
        return;
    }
    if (i == bytes.size())
        return; // all of it may still be the echo
    // Not the echo: what was held goes on in front of these bytes.
    m_ready += m_echo.substr(0, m_matched - i);
    m_ready += bytes;
    m_echo.clear();
    m_matched = 0;
    if (m_mode == EchoMode::On && !m_faultTold) {
        m_faultTold = true;
        if (onLineFault)
            onLineFault(fill(OT_TR("Ortavel", "Port %1: the request did not come back as an echo before the reply, "
                                              "so the port's echo setting \"on\" may be wrong for this adapter "
                                              "(\"auto\" suits adapters with and without an echo)"),
                             {std::to_string(m_inner.portNumber())}));
    }
}

void EchoFilter::forget()
{
    m_echo.clear();
    m_matched = 0;
    m_ready.clear();
}

} // namespace ortavel
