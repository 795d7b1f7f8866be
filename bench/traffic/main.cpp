// What the exchange recorder costs every exchange: the main window's
// Comm_Send (exchange and recording) against the bare exchange on a port
// that answers at once, a million exchanges each so that the ring of
// 100,000 wraps ten times; and the recorder's record() alone. Target: the
// recording adds less than 5 µs to an exchange.

#include "link/Checksum.h"
#include "link/Exchange.h"
#include "link/SerialPort.h"
#include "link/SteadyClock.h"
#include "mainwin/FakeServices.h"
#include "mainwin/Ortavel.h"
#include "support/MemoryHistory.h"
#include "support/MemorySettingsStore.h"
#include "traffic/TrafficRecorder.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using namespace ortavel;
using Wall = std::chrono::steady_clock;

constexpr int kExchanges = 1'000'000;
constexpr int kRounds = 5;

// Answers every request at once with its address and a pressure, as a
// transmitter at 9600 baud would, without the wait.
class InstantPort final : public SerialPort {
public:
    bool isOpen() const override { return true; }
    bool open() override { return true; }
    bool close() override { return true; }
    int portNumber() const override { return 1; }
    bool setPortNumber(int) override { return true; }
    std::string settings() const override { return "9600,N,8,1"; }
    bool setSettings(const std::string &) override { return true; }
    bool discardInput() override { return true; }
    bool discardOutput() override { return true; }
    bool write(const std::string &bytes) override
    {
        const std::string payload = bytes.substr(1, 2) + "+0012.345";
        m_reply = "*" + payload + PARITY_XORB(payload) + "\r";
        return true;
    }
    std::string readAvailable() override { return std::move(m_reply); }
    bool setTextInputMode() override { return true; }
    bool setReadLength(int) override { return true; }
    bool setReceiveThreshold(int) override { return true; }
    bool setSendThreshold(int) override { return true; }
    WaitResult waitForInput(int) override { return WaitResult::Ready; }
    std::string errorString() const override { return {}; }

private:
    std::string m_reply;
};

template <typename F> double nsPerCall(F &&call)
{
    std::vector<double> rounds;
    for (int r = 0; r < kRounds; ++r) {
        const auto start = Wall::now();
        for (int i = 0; i < kExchanges; ++i)
            call(i);
        rounds.push_back(std::chrono::duration<double, std::nano>(Wall::now() - start).count() / kExchanges);
    }
    std::sort(rounds.begin(), rounds.end());
    return rounds[rounds.size() / 2];
}

} // namespace

int main()
{
    InstantPort port;
    SteadyClock clock;
    test::MemorySettingsStore settings;
    test::FakeMessageBox messages;
    test::FakeEventPump events;
    test::FakeWindowHost windows;
    test::MemoryHistory history;
    Ortavel window(port, clock, settings, messages, events, windows, history.recorder);
    Exchange bare(port, clock);
    const std::string address = "01";
    const std::string command = "RP0";

    const double bareNs = nsPerCall([&](int) { (void)bare.Comm_Send(address, command); });
    const double recordedNs = nsPerCall([&](int) { (void)window.Comm_Send(address, command); });
    TrafficRecorder recorder;
    const std::string request = Exchange::requestFrame(address, command);
    const std::string reply = "*01+0012.34512\r";
    const double recordNs =
        nsPerCall([&](int i) { recorder.record(i, i + 21, 9600, address, request, reply, "*01+0012.345\r"); });

    std::printf("recorder: ring of %zu, %d exchanges per round (wraps %d times), median of %d rounds\n",
                window.traffic().capacity(), kExchanges, kExchanges / static_cast<int>(window.traffic().capacity()),
                kRounds);
    std::printf("exchange alone %.0f ns; through the window's Comm_Send with recording %.0f ns; "
                "recording adds %.2f us per exchange (target < 5 us)\n",
                bareNs, recordedNs, (recordedNs - bareNs) / 1000.0);
    std::printf("TrafficRecorder::record alone: %.0f ns\n", recordNs);
    std::printf("kept: %zu exchanges\n", window.traffic().size());
    return recordedNs - bareNs < 5000.0 ? 0 : 1;
}
