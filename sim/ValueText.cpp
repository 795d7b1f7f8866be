#include "ValueText.h"

#include "link/Numbers.h"

#include <array>
#include <charconv>
#include <cmath>

namespace ortavel::sim {

namespace {
constexpr std::array<std::string_view, 5> kDecimalPatterns = {"0000.", "000.0", "00.00", "0.000", ".0000"};
constexpr std::size_t kMaxTrimDigits = 4;

std::string_view withoutSign(std::string_view text)
{
    if (!text.empty() && (text.front() == '+' || text.front() == '-'))
        text.remove_prefix(1);
    return text;
}
} // namespace

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::optional<double> parseValue(std::string_view text)
{
    const std::string_view body = withoutSign(text);
    std::size_t digits = 0;
    std::size_t points = 0;
    for (const char c : body) {
        if (isDigit(c))
            ++digits;
        else if (c == '.')
            ++points;
        else
            return std::nullopt;
    }
    if (digits == 0 || points > 1)
        return std::nullopt;
    const double value = readNumber(text);
    if (!std::isfinite(value) || std::fabs(value) > kMaxValue)
        return std::nullopt;
    return value;
}

std::optional<int> parseCode(std::string_view text, int first, int last)
{
    if (text.size() != 1 || !isDigit(text[0]))
        return std::nullopt;
    const int code = text[0] - '0';
    if (code < first || code > last)
        return std::nullopt;
    return code;
}

std::optional<int> parseTrim(std::string_view text)
{
    const std::string_view digits = withoutSign(text);
    if (digits.empty() || digits.size() > kMaxTrimDigits)
        return std::nullopt;
    int value = 0;
    for (const char c : digits) {
        if (!isDigit(c))
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (text.front() == '-')
        value = -value;
    if (value < -kMaxTrim || value > kMaxTrim)
        return std::nullopt;
    return value;
}

std::optional<int> parseAddress(std::string_view text)
{
    if (text.size() != 2 || !isDigit(text[0]) || !isDigit(text[1]))
        return std::nullopt;
    const int address = (text[0] - '0') * 10 + (text[1] - '0');
    if (address < 1)
        return std::nullopt;
    return address;
}

bool isStorableText(std::string_view text)
{
    if (text.empty() || text.size() > kMaxTextLength)
        return false;
    for (const char c : text) {
        if (c < 0x20 || c > 0x7E)
            return false;
    }
    return true;
}

std::string addressText(int address)
{
    std::string text = std::to_string(address);
    return text.size() < 2 ? "0" + text : text;
}

std::string valueText(double value, int decimals)
{
    const auto index = static_cast<std::size_t>(decimals < 0 ? 0 : decimals > 4 ? 4 : decimals);
    return signedPatternText(value, kDecimalPatterns[index]);
}

} // namespace ortavel::sim
