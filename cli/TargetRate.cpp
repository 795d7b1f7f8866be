#include "TargetRate.h"

#include "AddressText.h"
#include "Bus.h"
#include "BusSearch.h"
#include "CommonOptions.h"

namespace ortavel::cli {

bool prepareTargetRate(Bus &bus, const std::string &address, const CommonOptions &options, std::string &error)
{
    if (!options.autoBaud) {
        if (bus.baud() != options.baud && !bus.setBaud(options.baud)) {
            error = "cannot set the line to " + std::to_string(options.baud) + " baud";
            return false;
        }
        return true;
    }
    if (BusSearch::locate(bus, address, searchOrderBauds()))
        return true;
    error = bus.interrupted() ? "interrupted" : "transmitter " + address + " answers at none of the four rates";
    return false;
}

} // namespace ortavel::cli
