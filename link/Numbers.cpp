#include "Numbers.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>

namespace ortavel {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Decimal order of magnitude of a number text without exponent, used only
// to tell an overflowing text from an underflowing one.
int magnitudeOf(std::string_view mantissa)
{
    const auto point = mantissa.find('.');
    const std::string_view whole = mantissa.substr(0, point);
    const auto firstNonZero = whole.find_first_not_of("+-0");
    if (firstNonZero != std::string_view::npos)
        return static_cast<int>(whole.size() - firstNonZero);
    if (point == std::string_view::npos)
        return std::numeric_limits<int>::min() / 2;
    const std::string_view fraction = mantissa.substr(point + 1);
    const auto lead = fraction.find_first_not_of('0');
    return lead == std::string_view::npos ? std::numeric_limits<int>::min() / 2 : -static_cast<int>(lead);
}

// Digits of a scientific text ("d.ddde+XX", no sign) rounded to `decimals`
// places, a half away from zero. Returns whole and fraction digits.
std::pair<std::string, std::string> roundedDigits(std::string_view sci, int decimals)
{
    const auto e = sci.find('e');
    std::string digits;
    for (const char c : sci.substr(0, e)) {
        if (isDigit(c))
            digits += c;
    }
    int exponent = 0;
    std::from_chars(sci.data() + e + 1 + (sci[e + 1] == '+' ? 1 : 0), sci.data() + sci.size(), exponent);

    // digits d1..dn stand for 0.d1d2... x 10^(exponent + 1)
    int pointPos = exponent + 1;
    if (pointPos < 0) {
        digits.insert(0, static_cast<std::size_t>(-pointPos), '0');
        pointPos = 0;
    }
    const auto needed = static_cast<std::size_t>(pointPos) + static_cast<std::size_t>(decimals);
    if (digits.size() <= needed) {
        digits.append(needed - digits.size(), '0');
    } else {
        const bool up = digits[needed] >= '5';
        digits.resize(needed);
        if (up) {
            int i = static_cast<int>(needed) - 1;
            for (; i >= 0; --i) {
                if (digits[static_cast<std::size_t>(i)] == '9') {
                    digits[static_cast<std::size_t>(i)] = '0';
                } else {
                    ++digits[static_cast<std::size_t>(i)];
                    break;
                }
            }
            if (i < 0) {
                digits.insert(digits.begin(), '1');
                ++pointPos;
            }
        }
    }
    std::string whole = digits.substr(0, static_cast<std::size_t>(pointPos));
    const auto firstNonZero = whole.find_first_not_of('0');
    whole = firstNonZero == std::string::npos ? std::string() : whole.substr(firstNonZero);
    return {whole, digits.substr(static_cast<std::size_t>(pointPos))};
}

// A computed double is rounded from its 15 significant digits, which hide
// the binary noise of arithmetic.
std::string scientificText(double value)
{
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
    return std::string(buf, res.ptr);
}

// A typed single is rounded from its shortest decimal text, the number the
// operator typed, not from the binary value next to it.
std::string scientificText(float value)
{
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific);
    return std::string(buf, res.ptr);
}

template <typename T> std::string generalText(T value)
{
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, res.ptr);
}

template <typename T> std::string formatWith(T value, std::string_view pattern)
{
    if (!std::isfinite(value))
        value = 0;
    const auto firstPlace = pattern.find_first_of("0#.");
    if (firstPlace == std::string_view::npos)
        return std::string(pattern) + generalText(value);
    const auto lastPlace = pattern.find_last_of("0#.");
    const std::string_view prefix = pattern.substr(0, firstPlace);
    const std::string_view places = pattern.substr(firstPlace, lastPlace - firstPlace + 1);
    const std::string_view suffix = pattern.substr(lastPlace + 1);

    const auto point = places.find('.');
    const std::string_view wholePlaces = places.substr(0, point);
    const std::string_view fractionPlaces =
        point == std::string_view::npos ? std::string_view() : places.substr(point + 1);
    std::size_t minWhole = 0;
    for (const char c : wholePlaces)
        minWhole += c == '0' ? 1 : 0;
    std::size_t decimals = 0;
    std::size_t minDecimals = 0;
    for (const char c : fractionPlaces) {
        decimals += (c == '0' || c == '#') ? 1 : 0;
        minDecimals += c == '0' ? 1 : 0;
    }

    auto [whole, fraction] = roundedDigits(scientificText(value), static_cast<int>(decimals));
    if (whole.size() < minWhole)
        whole.insert(0, minWhole - whole.size(), '0');
    while (fraction.size() > minDecimals && fraction.back() == '0')
        fraction.pop_back();

    std::string text;
    if (value < 0)
        text += '-';
    text += prefix;
    text += whole;
    if (point != std::string_view::npos)
        text += '.';
    text += fraction;
    text += suffix;
    return text;
}

template <typename T> std::string signedWith(T value, std::string_view pattern)
{
    // A negative zero ("-0", "-1e-320" as single) is zero; "+-0" is no number.
    if (value == 0)
        value = 0;
    if (value < 0)
        return formatWith(value, pattern);
    return formatWith(value, "+" + std::string(pattern));
}

} // namespace

double readNumber(std::string_view text)
{
    return numberAtStart(text).value_or(0.0);
}

std::optional<double> plainNumber(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    // from_chars takes a "-" but no "+".
    if (text.front() == '+' && text.size() > 1 && text[1] != '-')
        text.remove_prefix(1);
    std::size_t digits = 0;
    for (std::size_t i = text.front() == '-' ? 1 : 0; i < text.size(); ++i) {
        if (isDigit(text[i]))
            ++digits;
        else if (text[i] != '.')
            return std::nullopt;
    }
    double value = 0;
    const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (digits == 0 || failure != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool isEchoOf(std::string_view echo, std::string_view sent)
{
    if (echo == sent)
        return true;
    const auto got = plainNumber(echo);
    const auto wanted = plainNumber(sent);
    if (!got || !wanted)
        return false;
    const auto point = echo.find('.');
    const auto lastDigit = echo.find_last_of("0123456789");
    const auto decimals = point == std::string_view::npos || lastDigit < point ? 0 : lastDigit - point;
    const double halfStep = 0.5 * std::pow(10.0, -static_cast<double>(decimals));
    // The margins let an echo exactly half a step away pass, however the
    // binary values of the two decimal texts fall around that half.
    return std::fabs(*got - *wanted) <= halfStep * (1 + 1e-9) + std::fabs(*wanted) * 1e-12;
}

bool isNumberText(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return false;
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    std::size_t i = text.front() == '+' || text.front() == '-' ? 1 : 0;
    std::size_t digits = 0;
    bool point = false;
    for (; i < text.size() && (isDigit(text[i]) || (text[i] == '.' && !point)); ++i) {
        if (text[i] == '.')
            point = true;
        else
            ++digits;
    }
    if (digits == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        const std::size_t exponentStart = i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        if (i == exponentStart)
            return false;
    }
    return i == text.size();
}

std::optional<double> numberAtStart(std::string_view text)
{
    std::string clean;
    clean.reserve(text.size());
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n')
            clean += c;
    }
    std::size_t i = 0;
    if (i < clean.size() && (clean[i] == '+' || clean[i] == '-'))
        ++i;
    std::size_t digitCount = 0;
    bool point = false;
    for (; i < clean.size(); ++i) {
        if (isDigit(clean[i])) {
            ++digitCount;
        } else if (clean[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digitCount == 0)
        return std::nullopt;
    std::string number = clean.substr(0, i);
    const std::string mantissa = number;
    int exponent = 0;
    if (i < clean.size() && (clean[i] == 'e' || clean[i] == 'E' || clean[i] == 'd' || clean[i] == 'D')) {
        std::size_t j = i + 1;
        if (j < clean.size() && (clean[j] == '+' || clean[j] == '-'))
            ++j;
        const std::size_t digitsStart = j;
        while (j < clean.size() && isDigit(clean[j]))
            ++j;
        if (j > digitsStart) {
            const std::string_view exp(clean.data() + i + 1, j - i - 1);
            const auto start = exp.data() + (exp.front() == '+' ? 1 : 0);
            if (std::from_chars(start, exp.data() + exp.size(), exponent).ec != std::errc())
                exponent = exp.front() == '-' ? -100000 : 100000;
            number += 'e';
            number += std::to_string(exponent);
        }
    }
    const char *first = number.data() + (number.front() == '+' ? 1 : 0);
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(first, number.data() + number.size(), value);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        const long long magnitude = static_cast<long long>(magnitudeOf(mantissa)) + exponent;
        const bool negative = number.front() == '-';
        if (magnitude > 0)
            return negative ? -HUGE_VAL : HUGE_VAL;
        return negative ? -0.0 : 0.0;
    }
    return ec == std::errc() ? value : 0.0;
}

std::optional<std::int64_t> wholeNumber(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value);
    if (rounded < -9223372036854775808.0 || rounded >= 9223372036854775808.0)
        return std::nullopt;
    return static_cast<std::int64_t>(rounded);
}

std::optional<std::int16_t> wholeNumber16(double value)
{
    const auto whole = wholeNumber(value);
    if (!whole || *whole < std::numeric_limits<std::int16_t>::min() ||
        *whole > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(*whole);
}

std::optional<std::int32_t> wholeNumber32(double value)
{
    const auto whole = wholeNumber(value);
    if (!whole || *whole < std::numeric_limits<std::int32_t>::min() ||
        *whole > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(*whole);
}

std::optional<float> toSingle(double value)
{
    if (std::isnan(value) || std::fabs(value) > static_cast<double>(FLT_MAX))
        return std::nullopt;
    return static_cast<float>(value);
}

std::string formatPattern(double value, std::string_view pattern)
{
    return formatWith(value, pattern);
}

std::string formatSingle(float value, std::string_view pattern)
{
    return formatWith(value, pattern);
}

std::string signedPatternText(double value, std::string_view pattern)
{
    return signedWith(value, pattern);
}

std::string signedSingleText(float value, std::string_view pattern)
{
    return signedWith(value, pattern);
}

std::string trimValueText(int position)
{
    return signedPatternText(position, "0000");
}

std::string codeText(int index)
{
    return std::to_string(index < 0 ? -1 : index);
}

} // namespace ortavel
