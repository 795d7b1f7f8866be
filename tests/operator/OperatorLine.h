#pragma once

#include "link/Clock.h"
#include "link/SerialPort.h"
#include "sim/BusConfig.h"
#include "sim/FaultSetting.h"
#include "sim/TraceEntry.h"
#include "sim/TransmitterState.h"

#include <chrono>
#include <cstdlib>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace ortavel::test {

// What stands behind the port numbers: simulated buses, a port that opens with nobody on it, and ports
// that do not open.
struct LineLayout {
    std::map<int, sim::BusConfig> buses;
    int emptyPort = 0;
    std::set<int> missingPorts;
};

// The rate of line settings as the simulator's line takes them: 0 unless 8 data bits, no parity, 1 stop bit.
inline int lineBaudOf(const std::string &settings)
{
    return settings.ends_with(",N,8,1") ? static_cast<int>(std::strtol(settings.c_str(), nullptr, 10)) : 0;
}

// The line the random operator's windows talk on: the port and clock they are given, and the simulated
// buses behind it. Every frame the windows write is told through onRequest before any bus sees it, and
// what the bus made of it through onAnswer, in the same order, at the latest by the next onRequest or
// settle().
class OperatorLine {
public:
    virtual ~OperatorLine() = default;

    virtual SerialPort &port() = 0;
    virtual Clock &clock() = 0;
    // Lets a timer's interval pass on the clock the windows wait on.
    virtual void letPass(std::chrono::milliseconds interval) = 0;
    // Tells onAnswer of every frame written so far; false when a frame was not met by its bus as written.
    virtual bool settle(std::string &error) = 0;

    // The transmitters behind a port as its next request finds them; none for a port without a bus.
    virtual std::vector<sim::TransmitterState> transmitters(int port) const = 0;
    // For every transmitter at an address on a port's bus, from its next reply on.
    virtual void setFault(int port, int address, const sim::FaultSetting &setting) = 0;
    // Longer than any action may take on this line.
    virtual std::chrono::milliseconds slowAction() const = 0;

    std::function<void(const std::string &frame)> onRequest;
    std::function<void(const sim::TraceEntry &entry)> onAnswer;
};

} // namespace ortavel::test
