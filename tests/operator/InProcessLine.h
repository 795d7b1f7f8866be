#pragma once

#include "OperatorLine.h"
#include "sim/Bus.h"
#include "sim/FrameSplitter.h"
#include "support/FakeClock.h"
#include "support/FakeSerialPort.h"

#include <memory>

namespace ortavel::test {

// The buses in this process behind a fake port on a fake clock: each request is answered the moment it is
// written, so thousands of actions take seconds.
class InProcessLine final : public OperatorLine {
public:
    explicit InProcessLine(const LineLayout &layout);

    SerialPort &port() override { return m_port; }
    Clock &clock() override { return m_clock; }
    void letPass(std::chrono::milliseconds interval) override { m_clock.advance(interval.count()); }
    bool settle(std::string &) override { return true; }
    std::vector<sim::TransmitterState> transmitters(int port) const override;
    void setFault(int port, int address, const sim::FaultSetting &setting) override;
    // Far above any action's real time, even under the sanitizers.
    std::chrono::milliseconds slowAction() const override { return std::chrono::seconds(5); }

private:
    void onFrames(const std::string &bytes);

    FakeClock m_clock;
    FakeSerialPort m_port{m_clock};
    std::map<int, std::unique_ptr<sim::Bus>> m_buses;
    std::map<int, sim::FrameSplitter> m_splitters;
};

} // namespace ortavel::test
