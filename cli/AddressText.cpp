#include "AddressText.h"

#include "CommonOptions.h"
#include "link/LineSettings.h"

#include <algorithm>

namespace ortavel::cli {

namespace {
constexpr int kFirstAddress = 1;
constexpr int kLastAddress = 99;

std::vector<std::string_view> splitComma(std::string_view text)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const auto comma = text.find(',', start);
        parts.push_back(text.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos)
            return parts;
        start = comma + 1;
    }
}
} // namespace

std::string formatAddress(int address)
{
    std::string text = std::to_string(address);
    return text.size() < 2 ? "0" + text : text;
}

std::optional<int> parseAddress(std::string_view text)
{
    if (text.size() > 2)
        return std::nullopt;
    return parseBoundedInt(std::string(text), kFirstAddress, kLastAddress);
}

std::optional<std::vector<int>> parseAddressList(std::string_view text)
{
    std::vector<int> addresses;
    for (const std::string_view part : splitComma(text)) {
        const auto dash = part.find('-');
        const auto first = parseAddress(part.substr(0, dash));
        const auto last = dash == std::string_view::npos ? first : parseAddress(part.substr(dash + 1));
        if (!first || !last || *last < *first)
            return std::nullopt;
        for (int a = *first; a <= *last; ++a)
            addresses.push_back(a);
    }
    std::sort(addresses.begin(), addresses.end());
    addresses.erase(std::unique(addresses.begin(), addresses.end()), addresses.end());
    return addresses;
}

std::optional<std::vector<int>> parseBaudList(std::string_view text)
{
    std::vector<int> bauds;
    for (const std::string_view part : splitComma(text)) {
        const auto baud = parseBoundedInt(std::string(part), kBaudRates.front(), kBaudRates.back());
        if (!baud || !bandIndexOfBaud(*baud))
            return std::nullopt;
        if (std::find(bauds.begin(), bauds.end(), *baud) == bauds.end())
            bauds.push_back(*baud);
    }
    return bauds;
}

std::vector<int> searchOrderBauds()
{
    return {kBaudRates.rbegin(), kBaudRates.rend()};
}

} // namespace ortavel::cli
