#pragma once

#include "SettingKey.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ortavel::cli {

// One value that passed its check. `text` is the value as given; `number`
// holds numbers, `code` codes, trims, the address and the rate.
struct CheckedSetting {
    SettingKey key = SettingKey::Type;
    std::string text;
    double number = 0.0;
    int code = 0;
};

// Checks every value before anything is sent: one bad value and nothing
// at all goes out.
class SettingChecker {
public:
    static constexpr int kTrimLimit = 5000;

    // KEY=VALUE arguments; the result is in write order. On failure every
    // problem is in `errors`.
    static std::optional<std::vector<CheckedSetting>> check(const std::vector<std::string> &assignments,
                                                            std::vector<std::string> &errors);
    static std::optional<std::vector<CheckedSetting>>
    check(const std::vector<std::pair<std::string, std::string>> &assignments, std::vector<std::string> &errors);

    static std::optional<CheckedSetting> checkOne(SettingKey key, const std::string &value, std::string &error);
};

} // namespace ortavel::cli
