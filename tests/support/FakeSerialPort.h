#pragma once

#include "link/SerialPort.h"

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace ortavel::test {

class FakeClock;

// Bytes the far end sends back, arriving delayMs after the request.
struct FakeReply {
    std::string bytes;
    int delayMs = 0;
};

// An in-memory serial port on a fake clock; a responder answers each written frame.
class FakeSerialPort final : public SerialPort {
public:
    using Responder = std::function<std::optional<FakeReply>(const std::string &frame)>;

    explicit FakeSerialPort(FakeClock &clock) : m_clock(clock) {}

    void setResponder(Responder responder) { m_responder = std::move(responder); }
    void deliver(const std::string &bytes, int delayMs = 0);

    const std::vector<std::string> &writes() const { return m_writes; }
    void clearWrites() { m_writes.clear(); }
    // Every operation by name ("open", "close", "discardInput", ...).
    const std::vector<std::string> &calls() const { return m_calls; }
    int reads() const { return m_reads; }

    // Ports that refuse to open, with the description given.
    std::set<int> missingPorts;
    std::string openErrorText = "The system cannot find the file specified.";
    bool failWrites = false;
    bool failWaits = false;
    int waitsBeforeFailing = -1; // -1: never

    bool isOpen() const override { return m_open; }
    bool open() override;
    bool close() override;
    int portNumber() const override { return m_number; }
    bool setPortNumber(int number) override;
    std::string settings() const override { return m_settings; }
    bool setSettings(const std::string &settings) override
    {
        m_settings = settings;
        return record("setSettings " + settings);
    }
    bool discardInput() override;
    bool discardOutput() override { return record("discardOutput") && (m_open || fail("Port is closed")); }
    bool write(const std::string &bytes) override;
    std::string readAvailable() override;
    bool setTextInputMode() override { return record("setTextInputMode"); }
    bool setReadLength(int length) override { return record("setReadLength " + std::to_string(length)); }
    bool setReceiveThreshold(int n) override { return record("setReceiveThreshold " + std::to_string(n)); }
    bool setSendThreshold(int n) override { return record("setSendThreshold " + std::to_string(n)); }
    WaitResult waitForInput(int timeoutMs) override;
    std::string errorString() const override { return m_error; }
    int allowanceMs() const override { return allowance; }
    int latencyMs() const override { return latency; }
    int allowance = 0;
    int latency = 0;

    // "*" + payload + checksum + CR: a well-formed reply frame.
    static std::string replyFrame(const std::string &payload);
    // Address and command text of a request frame, if it is one.
    static std::optional<std::pair<std::string, std::string>> parseRequest(const std::string &frame);

private:
    struct Pending {
        std::int64_t arrival;
        std::string bytes;
    };
    bool fail(const std::string &text)
    {
        m_error = text;
        return false;
    }
    bool record(std::string call)
    {
        m_calls.push_back(std::move(call));
        return true;
    }

    FakeClock &m_clock;
    Responder m_responder;
    std::vector<Pending> m_pending;
    std::vector<std::string> m_writes;
    std::vector<std::string> m_calls;
    bool m_open = false;
    int m_reads = 0;
    int m_number = 1;
    std::string m_settings = "9600,N,8,1";
    std::string m_error;
};

} // namespace ortavel::test
