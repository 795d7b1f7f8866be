#pragma once

#include "BusConfig.h"

#include <optional>
#include <string>

namespace ortavel::sim {

// Reads a bus description (JSON). On any fault gives nothing and a message
// that names the place and what is wrong.
class BusLoader {
public:
    static std::optional<BusConfig> fromJson(const std::string &text, std::string &error);
    static std::optional<BusConfig> fromFile(const std::string &path, std::string &error);
};

} // namespace ortavel::sim
