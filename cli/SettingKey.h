#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace ortavel::cli {

// The keys of `set`, in the order their writes go out: identity texts,
// display, output, trims; address and baud last, in that order.
enum class SettingKey {
    Type,
    Id,
    Unit,
    Decimals,
    DisplayZero,
    DisplayFullScale,
    Output4mA,
    Output20mA,
    Trim4mA,
    Trim20mA,
    Address,
    Baud,
};

inline constexpr std::array<SettingKey, 12> kAllSettingKeys = {
    SettingKey::Type,      SettingKey::Id,          SettingKey::Unit,
    SettingKey::Decimals,  SettingKey::DisplayZero, SettingKey::DisplayFullScale,
    SettingKey::Output4mA, SettingKey::Output20mA,  SettingKey::Trim4mA,
    SettingKey::Trim20mA,  SettingKey::Address,     SettingKey::Baud,
};

// "display_zero" and so on: the names on the command line and in JSON.
std::string_view settingName(SettingKey key);
std::optional<SettingKey> settingKeyNamed(std::string_view name);

// The command letters that read and write the key.
std::string_view settingLetters(SettingKey key);

} // namespace ortavel::cli
