#pragma once

#include "sim/TransmitterConfig.h"

namespace ortavel::sim::test {

// A transmitter with only what a routing test cares about.
inline TransmitterConfig at(int address, int baud, const char *type)
{
    TransmitterConfig t;
    t.address = address;
    t.baud = baud;
    t.working.type = type;
    return t;
}

} // namespace ortavel::sim::test
