#include "BusSearch.h"

#include "AddressText.h"
#include "Bus.h"
#include "link/Commands.h"

namespace ortavel::cli {

SearchOutcome BusSearch::run(Bus &bus, const std::vector<int> &addresses, const std::vector<int> &bauds,
                             const Progress &progress, const std::optional<QuickSearchWait> &quick)
{
    SearchOutcome outcome;
    for (const int baud : ratesFor(bus, bauds)) {
        if (bus.interrupted()) {
            outcome.interrupted = true;
            break;
        }
        // An answer at the rate the line kept would be listed at this one.
        if (!bus.setBaud(baud))
            continue;
        for (const int number : addresses) {
            if (bus.interrupted()) {
                outcome.interrupted = true;
                return outcome;
            }
            const std::string address = formatAddress(number);
            if (progress)
                progress(address, baud, outcome.found.size());
            ++outcome.exchanges;
            if (isAddressEcho(bus.probe(address, std::string(cmd::Address), quick), address))
                outcome.found.push_back({address, baud});
        }
    }
    return outcome;
}

std::optional<int> BusSearch::locate(Bus &bus, const std::string &address, const std::vector<int> &bauds)
{
    for (const int baud : ratesFor(bus, bauds)) {
        if (bus.interrupted())
            return std::nullopt;
        if (!bus.setBaud(baud))
            continue;
        if (isAddressEcho(bus.probe(address, std::string(cmd::Address), std::nullopt), address))
            return baud;
    }
    return std::nullopt;
}

std::vector<int> BusSearch::ratesFor(const Bus &bus, const std::vector<int> &bauds)
{
    if (const auto fixed = bus.fixedBaud())
        return {*fixed};
    return bauds;
}

} // namespace ortavel::cli
