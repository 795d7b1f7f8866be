#pragma once

#include "WritePlan.h"

#include <string>
#include <vector>

namespace ortavel::cli {

class Bus;

struct WriteOutcome {
    std::string field;
    std::string command;
    std::string result; // empty when the request was not sent
    bool confirmed = false;
    std::string reason; // why it failed or was not sent
};

struct WriteReport {
    std::vector<WriteOutcome> outcomes;
    std::string address; // where the transmitter answers afterwards
    int baud = 0;        // the line's rate afterwards
    bool interrupted = false;

    int confirmedCount() const;
    int failedCount() const;
    bool allConfirmed() const { return !interrupted && failedCount() == 0; }
};

// Sends a plan, judges each reply, follows confirmed address and rate
// changes, and stores only when every write before it was confirmed.
class WriteRunner {
public:
    static WriteReport run(Bus &bus, const std::string &address, const std::vector<PlannedWrite> &plan);
};

} // namespace ortavel::cli
