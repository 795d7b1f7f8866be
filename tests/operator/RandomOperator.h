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

// Plays random operator actions on the main and calibration windows against
// the simulator's bus with random faults, and stops at the first action
// after which a check fails. The same seed plays the same actions.
// trace: every action goes to stderr as it starts, to find a crash.
OperatorRun runRandomOperator(std::uint64_t seed, int actionCount, bool trace = false);

// The seed and the action list, for the failure message.
std::string replayText(const OperatorRun &run);

} // namespace ortavel::test
