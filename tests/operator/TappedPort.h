#pragma once

#include "link/SerialPort.h"

#include <functional>
#include <optional>
#include <string>

namespace ortavel::test {

// A port in front of another that tells of every write: before the bytes go out, so that a listener can
// judge them while the far end has not met them yet, and after, with whether they went.
class TappedPort final : public SerialPort {
public:
    explicit TappedPort(SerialPort &inner) : m_inner(inner) {}

    std::function<void(const std::string &bytes)> onWriting;
    std::function<void(bool written)> onWritten;

    bool isOpen() const override { return m_inner.isOpen(); }
    bool open() override { return m_inner.open(); }
    bool close() override { return m_inner.close(); }
    int portNumber() const override { return m_inner.portNumber(); }
    bool setPortNumber(int number) override { return m_inner.setPortNumber(number); }
    std::string settings() const override { return m_inner.settings(); }
    bool setSettings(const std::string &settings) override { return m_inner.setSettings(settings); }
    bool discardInput() override { return m_inner.discardInput(); }
    bool discardOutput() override { return m_inner.discardOutput(); }
    bool write(const std::string &bytes) override
    {
        if (onWriting)
            onWriting(bytes);
        const bool written = m_inner.write(bytes);
        if (onWritten)
            onWritten(written);
        return written;
    }
    std::string readAvailable() override { return m_inner.readAvailable(); }
    bool setTextInputMode() override { return m_inner.setTextInputMode(); }
    bool setReadLength(int length) override { return m_inner.setReadLength(length); }
    bool setReceiveThreshold(int threshold) override { return m_inner.setReceiveThreshold(threshold); }
    bool setSendThreshold(int threshold) override { return m_inner.setSendThreshold(threshold); }
    WaitResult waitForInput(int timeoutMs) override { return m_inner.waitForInput(timeoutMs); }
    std::string errorString() const override { return m_inner.errorString(); }
    int allowanceMs() const override { return m_inner.allowanceMs(); }
    int latencyMs() const override { return m_inner.latencyMs(); }
    std::optional<int> fixedBaud() const override { return m_inner.fixedBaud(); }
    std::string deviceName(int number) const override { return m_inner.deviceName(number); }
    std::string linkDetails(int number) const override { return m_inner.linkDetails(number); }

private:
    SerialPort &m_inner;
};

} // namespace ortavel::test
