#include "ValueText.h"

#include "link/Numbers.h"

#include <cmath>

namespace ortavel::cli {

// The number rules are link/'s, as in the window; only what the command
// line adds to them is here.
std::optional<double> strictNumber(std::string_view text)
{
    if (!isNumberText(text))
        return std::nullopt;
    const double value = readNumber(text);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> decimalInput(std::string_view text)
{
    // A blank in an argument is a typing slip, not part of the number.
    if (text.find(' ') != std::string_view::npos)
        return std::nullopt;
    const auto value = plainNumber(text);
    if (!value || !toSingle(*value))
        return std::nullopt;
    return value;
}

bool isSendableText(std::string_view text)
{
    if (text.empty())
        return false;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            return false;
    }
    return true;
}

} // namespace ortavel::cli
