#pragma once

#include <string>

namespace ortavel {

// When the user may not read and write the device: one line on what to do,
// naming the group that owns the device. Empty when access is not what
// stands in the way (a missing device, one held by another program).
std::string permissionRemedy(const std::string &device);

} // namespace ortavel
