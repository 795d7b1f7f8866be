#pragma once

#include "SerialPort.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace ortavel {

class Clock;

// Whether the line hands back what the tool sends, as two-wire RS-485
// adapters that hear their own transmission do.
enum class EchoMode { Off, On, Auto };

inline constexpr EchoMode kDefaultEchoMode = EchoMode::Auto;

// "off", "on" or "auto"; nullopt with a message naming the allowed texts.
std::optional<EchoMode> parseEchoMode(std::string_view text, std::string &error);
const char *echoModeName(EchoMode mode);

// A serial port that takes the echo of each written request out of what is
// received, so that Exchange sees the reply alone. Everything else is
// forwarded to the port it wraps.
//
// Off: nothing is taken out. Auto: received bytes that begin with exactly
// the bytes written are the echo and are dropped; bytes that may still be
// the start of the echo are held back until they complete it or differ
// from it, and then go on whole, in order. On: as Auto, and received bytes
// that do not begin with the echo are told once per opening through
// onLineFault (they are still handed on: the reply may be good).
class EchoFilter final : public SerialPort {
public:
    EchoFilter(SerialPort &inner, const Clock &clock, EchoMode mode = kDefaultEchoMode);

    void setMode(EchoMode mode);
    EchoMode mode() const { return m_mode; }

    // A plain message for the operator: the echo setting looks wrong.
    std::function<void(const std::string &)> onLineFault;

    bool isOpen() const override { return m_inner.isOpen(); }
    bool open() override;
    bool close() override;
    int portNumber() const override { return m_inner.portNumber(); }
    bool setPortNumber(int number) override { return m_inner.setPortNumber(number); }
    std::string settings() const override { return m_inner.settings(); }
    bool setSettings(const std::string &settings) override { return m_inner.setSettings(settings); }
    bool discardInput() override;
    bool discardOutput() override { return m_inner.discardOutput(); }
    // The bytes written become the echo expected; while one is still
    // awaited, they are added to it, since the line hands back both.
    bool write(const std::string &bytes) override;
    std::string readAvailable() override;
    bool setTextInputMode() override { return m_inner.setTextInputMode(); }
    bool setReadLength(int length) override { return m_inner.setReadLength(length); }
    bool setReceiveThreshold(int threshold) override { return m_inner.setReceiveThreshold(threshold); }
    bool setSendThreshold(int threshold) override { return m_inner.setSendThreshold(threshold); }
    // Ready only once there is something to hand on: an echo alone keeps
    // the wait going until the time is up.
    WaitResult waitForInput(int timeoutMs) override;
    std::string errorString() const override { return m_inner.errorString(); }
    std::string deviceName(int number) const override { return m_inner.deviceName(number); }
    std::string linkDetails(int number) const override { return m_inner.linkDetails(number); }
    int allowanceMs() const override { return m_inner.allowanceMs(); }
    int latencyMs() const override { return m_inner.latencyMs(); }
    std::optional<int> fixedBaud() const override { return m_inner.fixedBaud(); }

private:
    void takeIn(const std::string &bytes);
    void forget();

    SerialPort &m_inner;
    const Clock &m_clock;
    EchoMode m_mode;
    std::string m_echo;        // the echo still awaited; empty when none is
    std::size_t m_matched = 0; // bytes of m_echo received so far, held back
    std::string m_ready;       // received bytes to hand on
    bool m_faultTold = false;
};

} // namespace ortavel
