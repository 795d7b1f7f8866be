#include "FuzzInput.h"
#include "link/Numbers.h"

#include <array>
#include <cmath>

namespace {

constexpr std::array<std::string_view, 7> kPatterns = {"0000.", "000.0", "00.00", "0.000", ".0000", "0000", "###0.0"};

int decimalsOf(std::string_view pattern)
{
    const auto point = pattern.find('.');
    return point == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - point - 1);
}

std::size_t wholePlacesOf(std::string_view pattern)
{
    std::size_t places = 0;
    for (const char c : pattern.substr(0, pattern.find('.')))
        places += (c == '0' || c == '#') ? 1 : 0;
    return places;
}

} // namespace

// Reading never fails; a formatted number reads back within the pattern's precision and is
// no longer than its places unless its whole part needs more digits.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace ortavel;
    const std::string text(reinterpret_cast<const char *>(data), size);
    const double read = readNumber(text);
    fuzz::require(!std::isnan(read), "reading gives a number");
    if (const auto whole = wholeNumber(read)) {
        fuzz::require(std::fabs(static_cast<double>(*whole) - read) <= 0.5, "whole number within a half");
        if (std::fabs(static_cast<double>(*whole) - read) == 0.5)
            fuzz::require(*whole % 2 == 0, "a half goes to the even neighbour");
        const auto whole16 = wholeNumber16(read);
        fuzz::require(whole16.has_value() == (*whole >= -32768 && *whole <= 32767), "16-bit range");
        fuzz::require(!whole16 || *whole16 == *whole, "16-bit value");
        const auto whole32 = wholeNumber32(read);
        fuzz::require(whole32.has_value() == (*whole >= INT32_MIN && *whole <= INT32_MAX), "32-bit range");
        fuzz::require(!whole32 || *whole32 == *whole, "32-bit value");
    }
    // Blanks, tabs and line feeds anywhere are ignored.
    if (size > 0) {
        std::string spaced = text;
        const std::size_t at = data[0] % (size + 1);
        spaced.insert(at, std::string(" \t\n").substr(data[size - 1] % 3, 1));
        const double again = readNumber(spaced);
        fuzz::require(again == read || (std::isnan(again) && std::isnan(read)), "blanks ignored");
    }

    // A plain number is what a box sends; the transmitter's echo of it in any of its patterns confirms it.
    if (const auto plain = plainNumber(text)) {
        fuzz::require(text.find_first_of("eE") == std::string::npos, "no exponent in a plain number");
        fuzz::require(isEchoOf(text, text), "a text echoes itself");
        for (const std::string_view pattern : kPatterns) {
            if (std::fabs(*plain) < 1e9)
                fuzz::require(isEchoOf(signedPatternText(*plain, pattern), text), "the echo in a pattern confirms");
        }
    }

    if (size < 9)
        return 0;
    double value = 0;
    std::memcpy(&value, data, sizeof value);
    if (!std::isfinite(value) || std::fabs(value) > 1e15)
        return 0;
    const std::string_view pattern = kPatterns[data[8] % kPatterns.size()];
    // Odd selector bytes take the signed form that range texts use.
    const bool signedForm = (data[8] / kPatterns.size()) % 2 == 1;
    const std::string formatted = signedForm ? signedPatternText(value, pattern) : formatPattern(value, pattern);
    const double back = readNumber(formatted);
    const double step = std::pow(10.0, -decimalsOf(pattern));
    fuzz::require(std::fabs(back - value) <= step / 2 + std::fabs(value) * 1e-14 + 1e-300, "reads back");

    const double magnitude = std::fabs(back);
    const std::size_t wholeDigits = magnitude < 1 ? 1 : static_cast<std::size_t>(std::floor(std::log10(magnitude))) + 1;
    const std::size_t extra = wholeDigits > wholePlacesOf(pattern) ? wholeDigits - wholePlacesOf(pattern) : 0;
    fuzz::require(formatted.size() <= pattern.size() + extra + (value < 0 || signedForm ? 1 : 0),
                  "length within the places");
    if (value >= 0)
        fuzz::require(formatted.find('-') == std::string::npos, "no minus for non-negative values");

    const int position = static_cast<int>(std::fmod(value, 5001.0));
    const std::string trim = trimValueText(position);
    fuzz::require(trim.size() == 5 && (trim[0] == '+' || trim[0] == '-'), "trim text has sign and four digits");
    fuzz::require(readNumber(trim) == position, "trim text reads back");
    return 0;
}
