#pragma once

#include "WritePlan.h"

#include <string>
#include <vector>

namespace ortavel::cli {

// Takes `--save user|factory` out of `args`; false on a bad value.
bool takeSaveOption(std::vector<std::string> &args, SaveArea &area, std::string &error);

// "user" or "factory".
bool parseSaveArea(const std::string &text, SaveArea &area);

} // namespace ortavel::cli
