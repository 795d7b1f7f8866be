#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace ortavel::fuzz {

inline std::vector<std::string> splitInput(const std::uint8_t *data, std::size_t size, char separator = '\x1F')
{
    std::vector<std::string> parts(1);
    for (std::size_t i = 0; i < size; ++i) {
        const auto c = static_cast<char>(data[i]);
        if (c == separator)
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

// Fails loudly so that libFuzzer records the input.
inline void require(bool condition, const char *what)
{
    if (!condition) {
        __builtin_fprintf(stderr, "property violated: %s\n", what);
        __builtin_trap();
    }
}

} // namespace ortavel::fuzz
