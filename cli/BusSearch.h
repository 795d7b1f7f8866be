#pragma once

#include "link/QuickSearchWait.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ortavel::cli {

class Bus;

struct FoundTransmitter {
    std::string address;
    int baud = 0;
};

struct SearchOutcome {
    std::vector<FoundTransmitter> found;
    int exchanges = 0;
    bool interrupted = false;
};

// The window's search: for each rate in turn, each address in increasing
// order is asked its address; one that answers with exactly its own
// address is listed, once per rate at which it answers.
class BusSearch {
public:
    // Told before each exchange: address being asked, rate, found so far.
    using Progress = std::function<void(const std::string &address, int baud, std::size_t found)>;

    // With a quick wait, only the waits for silent addresses differ.
    static SearchOutcome run(Bus &bus, const std::vector<int> &addresses, const std::vector<int> &bauds,
                             const Progress &progress = {}, const std::optional<QuickSearchWait> &quick = {});

    // The first rate of `bauds` at which `address` answers the address
    // query; the line is left at that rate.
    static std::optional<int> locate(Bus &bus, const std::string &address, const std::vector<int> &bauds);

    // The rates of `bauds` the line can be set to: only its own where that is fixed.
    static std::vector<int> ratesFor(const Bus &bus, const std::vector<int> &bauds);
};

} // namespace ortavel::cli
