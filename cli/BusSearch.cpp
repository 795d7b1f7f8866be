#include "BusSearch.h"

#include "AddressText.h"
#include "Bus.h"
#include "link/Commands.h"

namespace ortavel::cli {

SearchOutcome BusSearch::run(Bus &bus, const std::vector<int> &addresses, const std::vector<int> &bauds,
                             const Progress &progress, const std::optional<QuickSearchWait> &quick)
{
    SearchOutcome outcome;
    for (const int baud : bauds) {
        if (bus.interrupted()) {
            outcome.interrupted = true;
            break;
        }
        bus.setBaud(baud);
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
    for (const int baud : bauds) {
        if (bus.interrupted())
            return std::nullopt;
        bus.setBaud(baud);
        if (isAddressEcho(bus.probe(address, std::string(cmd::Address), std::nullopt), address))
            return baud;
    }
    return std::nullopt;
}

} // namespace ortavel::cli
