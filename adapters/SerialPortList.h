#pragma once

#include <string>
#include <vector>

namespace ortavel {

struct SerialPortListing {
    std::string device;
    std::string description;
};

// The serial ports the system reports present.
std::vector<SerialPortListing> serialPortsPresent();

} // namespace ortavel
