#pragma once

#include "OperatorLine.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ortavel::test {

// What one run of the random operator did and found.
struct OperatorRun {
    std::uint64_t seed = 0;
    std::vector<std::string> actions; // as played, one line each
    std::string failure;              // the first broken check; empty when none broke
    long requests = 0;                // requests that reached the bus
    long writesChecked = 0;           // of them, requests carrying a value
    long faultsInjected = 0;          // replies the bus spoiled
};

// The buses of a seed's run by port, the port with nobody on it and the ports that do not open.
LineLayout operatorLayout(std::uint64_t seed);

// Random actions on the main and calibration windows against the simulator's buses with random faults, on
// a line made from operatorLayout(seed), up to the first failed check; trace prints each action as it starts
// and each request with its reply. On the fake port the same seed plays the same actions.
OperatorRun runRandomOperator(OperatorLine &line, std::uint64_t seed, int actionCount, bool trace = false);
// On the buses in this process behind a fake port.
OperatorRun runRandomOperator(std::uint64_t seed, int actionCount, bool trace = false);

// The seed and the action list, for the failure message.
std::string replayText(const OperatorRun &run);

} // namespace ortavel::test
