#pragma once

#include <string>
#include <vector>

namespace ortavel::cli {

// --addresses and --bauds, shared by `search` and `apply --all`. Takes the
// two options (and their values) out of `args`; false on a bad value.
bool takeSearchOptions(std::vector<std::string> &args, std::vector<int> &addresses, std::vector<int> &bauds,
                       std::string &error);

// Takes `--NAME VALUE` out of `args`: nullopt-like empty when absent,
// false when the value is missing.
bool takeOption(std::vector<std::string> &args, const std::string &name, std::string &value, bool &present,
                std::string &error);
bool takeFlag(std::vector<std::string> &args, const std::string &name);

} // namespace ortavel::cli
