#pragma once

#include <cstdint>
#include <string>

namespace ortavel {

// The transmitter a window opened for: its address, the selection and the
// line's settings then.
struct HeldTransmitter {
    std::string address;
    std::uint64_t selection = 0;
    std::string lineSettings;
};

} // namespace ortavel
