#pragma once

#include "BusConfig.h"
#include "ReplyPlan.h"
#include "ReplyShaper.h"
#include "Transmitter.h"
#include "WireTiming.h"

#include <random>
#include <string_view>
#include <vector>

namespace ortavel::sim {

// The transmitters on one line. A request reaches those at its address (or
// all for "AA") whose rate is the line's; their replies, spoiled by the
// faults in force, become a timed plan of bursts.
class Bus {
public:
    Bus(const BusConfig &config, const WireTiming &timing);

    // lineBaud: the rate the tool had set when the CR arrived; 0 when the
    // line is not at a rate with 8 data bits and no parity.
    ReplyPlan onFrame(std::string_view frame, int lineBaud);
    // Lets AD and BD writes take effect once their reply has left.
    void commitPending();

    // Changes the fault setting of every transmitter at an address;
    // returns how many there are.
    int setFault(int address, const FaultSetting &setting);
    // The pressure applied to every transmitter at an address, and its
    // sensor's offset and gain; returns how many there are.
    int setPressure(int address, double pressure, double offset, double gain);

    std::vector<TransmitterState> states() const;
    // As the next request finds them, with the pending commit done.
    std::vector<TransmitterState> settledStates() const;
    const WireTiming &timing() const { return m_timing; }

private:
    Fault drawFault(const FaultSetting &setting);
    std::string strayFrame(const Transmitter &answering, std::string_view command) const;
    void planBursts(ReplyPlan &plan, const ShapedReply &shaped, std::size_t longest, std::size_t requestBytes,
                    int baud);

    std::vector<Transmitter> m_transmitters;
    WireTiming m_timing;
    std::mt19937_64 m_random;
};

} // namespace ortavel::sim
