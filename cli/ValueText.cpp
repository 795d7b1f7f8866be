#include "ValueText.h"

#include "link/Numbers.h"

#include <cmath>

namespace ortavel::cli {

namespace {
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Length of the number at the start: sign, digits and one point, then an
// exponent when `exponent` allows it; 0 when no digit is there.
std::size_t numberLength(std::string_view text, bool exponent)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i])) {
            ++digits;
        } else if (text[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0)
        return 0;
    if (exponent && i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        const std::size_t start = j;
        while (j < text.size() && isDigit(text[j]))
            ++j;
        if (j > start)
            i = j;
    }
    return i;
}
} // namespace

std::optional<double> strictNumber(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    text.remove_prefix(first);
    text.remove_suffix(text.size() - (text.find_last_not_of(' ') + 1));
    if (numberLength(text, true) != text.size())
        return std::nullopt;
    const double value = readNumber(text);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> decimalInput(std::string_view text)
{
    if (text.empty() || numberLength(text, false) != text.size())
        return std::nullopt;
    const double value = readNumber(text);
    if (!std::isfinite(value) || !toSingle(value))
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
