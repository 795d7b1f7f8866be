#pragma once

#include <string>

namespace ortavel::cli {

class Bus;
struct CommonOptions;

// Puts the line at the rate of the transmitter at `address`: the given
// rate, or with --baud auto the first of 9600, 4800, 2400, 1200 at which it
// answers the address query. False (and why) when auto finds none.
bool prepareTargetRate(Bus &bus, const std::string &address, const CommonOptions &options, std::string &error);

} // namespace ortavel::cli
