#pragma once

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

// Random actions on the main and calibration windows against the simulator's bus with random faults,
// the same for the same seed, up to the first failed check; trace prints each action as it starts and each
// request with its reply.
OperatorRun runRandomOperator(std::uint64_t seed, int actionCount, bool trace = false);

// The seed and the action list, for the failure message.
std::string replayText(const OperatorRun &run);

} // namespace ortavel::test
