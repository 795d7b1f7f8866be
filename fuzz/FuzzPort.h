#pragma once

#include "link/SerialPort.h"
#include "support/FakeClock.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace ortavel::fuzz {

using FuzzClock = test::FakeClock;

// A serial port whose input arrives in scripted chunks, each at a time
// after the frame was written. Waiting costs no real time: the clock jumps
// to the next arrival or to the end of the wait.
class FuzzPort final : public SerialPort {
public:
    struct Chunk {
        std::int64_t atMs; // after the write
        std::string bytes;
    };

    explicit FuzzPort(FuzzClock &clock) : m_clock(clock) {}

    // Input for the next write; replaces what was scripted before.
    void script(std::vector<Chunk> chunks) { m_script = std::move(chunks); }
    // Bytes waiting in the receive buffer right now.
    void inject(const std::string &bytes) { m_arrived.push_back({m_clock.nowMs(), bytes}); }
    void failWaitsAfter(int waits) { m_waitsLeft = waits; }

    const std::vector<std::string> &writes() const { return m_writes; }
    int reads() const { return m_reads; }

    bool isOpen() const override { return m_open; }
    bool open() override { return (m_open = true); }
    bool close() override
    {
        m_open = false;
        return true;
    }
    int portNumber() const override { return 1; }
    bool setPortNumber(int) override { return true; }
    std::string settings() const override { return m_settings; }
    bool setSettings(const std::string &settings) override
    {
        m_settings = settings;
        return true;
    }
    bool discardInput() override
    {
        const auto now = m_clock.nowMs();
        std::erase_if(m_arrived, [now](const Chunk &c) { return c.atMs <= now; });
        return true;
    }
    bool discardOutput() override { return true; }
    bool write(const std::string &bytes) override
    {
        m_writes.push_back(bytes);
        for (auto &chunk : m_script)
            m_arrived.push_back({m_clock.nowMs() + chunk.atMs, std::move(chunk.bytes)});
        m_script.clear();
        std::stable_sort(m_arrived.begin(), m_arrived.end(),
                         [](const Chunk &a, const Chunk &b) { return a.atMs < b.atMs; });
        return true;
    }
    std::string readAvailable() override
    {
        ++m_reads;
        std::string out;
        const auto now = m_clock.nowMs();
        while (!m_arrived.empty() && m_arrived.front().atMs <= now) {
            out += m_arrived.front().bytes;
            m_arrived.erase(m_arrived.begin());
        }
        return out;
    }
    bool setTextInputMode() override { return true; }
    bool setReadLength(int) override { return true; }
    bool setReceiveThreshold(int) override { return true; }
    bool setSendThreshold(int) override { return true; }
    WaitResult waitForInput(int timeoutMs) override
    {
        if (m_waitsLeft == 0)
            return WaitResult::Failed;
        if (m_waitsLeft > 0)
            --m_waitsLeft;
        const auto now = m_clock.nowMs();
        if (!m_arrived.empty() && m_arrived.front().atMs <= now + timeoutMs) {
            m_clock.setNow(std::max(now, m_arrived.front().atMs));
            return WaitResult::Ready;
        }
        m_clock.setNow(now + std::max(timeoutMs, 0));
        return WaitResult::Timeout;
    }
    std::string errorString() const override { return {}; }

    // Lets time pass with nobody reading.
    void advance(std::int64_t ms) { m_clock.setNow(m_clock.nowMs() + ms); }

private:
    FuzzClock &m_clock;
    std::vector<Chunk> m_script;
    std::vector<Chunk> m_arrived;
    std::vector<std::string> m_writes;
    std::string m_settings = "9600,N,8,1";
    int m_waitsLeft = -1;
    int m_reads = 0;
    bool m_open = true;
};

} // namespace ortavel::fuzz
