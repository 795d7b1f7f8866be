#include "Units.h"

#include <algorithm>
#include <cctype>

namespace ortavel::cli {

namespace {
// The unit list of the display panel spells three entries its own way.
constexpr std::array<std::string_view, 7> kListSpellings = {"kPa", "Mpa", "mH2O", "Bar", "psi", "mBar", "unknow"};

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}
} // namespace

std::optional<int> parseUnit(std::string_view text)
{
    if (text.size() == 1 && text[0] >= '0' && text[0] <= '6')
        return text[0] - '0';
    for (std::size_t code = 0; code < UnitNames.size(); ++code) {
        if (sameIgnoringCase(text, UnitNames[code]) || sameIgnoringCase(text, kListSpellings[code]))
            return static_cast<int>(code);
    }
    return std::nullopt;
}

std::string unitName(int code)
{
    if (code < 0 || code >= static_cast<int>(UnitNames.size()))
        return {};
    return std::string(UnitNames[static_cast<std::size_t>(code)]);
}

} // namespace ortavel::cli
