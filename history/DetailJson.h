#pragma once

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>

namespace ortavel {

// JSON texts for the details that windows hand to the recorder. Plain and
// header-only: the windows build on every platform, the JSON library only
// where the history is.

// A JSON string: quotes, backslashes and control characters escaped; other
// bytes as they are.
inline std::string jsonQuoted(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            std::array<char, 8> escaped{};
            std::snprintf(escaped.data(), escaped.size(), "\\u%04x", static_cast<unsigned>(c));
            out += escaped.data();
        } else {
            out += c;
        }
    }
    return out + '"';
}

// The shortest text that reads back as the same double, whatever the
// locale; null for what JSON has no number for.
inline std::string jsonNumber(double value)
{
    if (!std::isfinite(value))
        return "null";
    std::array<char, 32> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value);
    return {text.data(), result.ptr};
}

} // namespace ortavel
