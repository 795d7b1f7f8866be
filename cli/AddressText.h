#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ortavel::cli {

// 1 to 99 as the two digits of the address text ("07").
std::string formatAddress(int address);

// "7" or "07": a bus address 1 to 99.
std::optional<int> parseAddress(std::string_view text);

// "1-99", "1,5,7-9": addresses in increasing order, each once.
std::optional<std::vector<int>> parseAddressList(std::string_view text);

// "9600,4800": rates of the baud list, in the order given, each once.
std::optional<std::vector<int>> parseBaudList(std::string_view text);

// The window's search order: the baud list from the last entry to the first.
std::vector<int> searchOrderBauds();

} // namespace ortavel::cli
