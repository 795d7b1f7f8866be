#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ortavel {

// Reading one value of the system registry, where the platform has one.
class Registry {
public:
    static constexpr std::uint32_t kLocalMachine = 0x80000002U;
    static constexpr std::uint32_t kString = 1;
    static constexpr std::uint32_t kDoubleWord = 4;
    static constexpr std::size_t kMaxData = 1024;

    struct Value {
        std::uint32_t type = 0;
        std::vector<unsigned char> data;
    };

    virtual ~Registry() = default;
    // Opens the key, reads the value (at most kMaxData bytes) and closes the
    // key again; nullopt when the key or the value cannot be read.
    virtual std::optional<Value> read(std::uint32_t root, const std::string &keyPath, const std::string &valueName) = 0;
};

// The text of a value read: a string as it stands, a double word as "&h"
// and its bytes from the last to the first in hexadecimal, each without a
// leading zero; a zero byte ending the data is dropped first. Any other type
// leaves previous as it was.
std::string registryValueText(const Registry::Value &value, const std::string &previous);

} // namespace ortavel
