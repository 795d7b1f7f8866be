#include "SettingKey.h"

#include "link/Commands.h"

namespace ortavel::cli {

namespace {
struct KeyInfo {
    SettingKey key;
    std::string_view name;
    std::string_view letters;
};

constexpr std::array<KeyInfo, 12> kKeys = {{
    {SettingKey::Type, "type", cmd::Type},
    {SettingKey::Id, "id", cmd::Ident},
    {SettingKey::Unit, "unit", cmd::Unit},
    {SettingKey::Decimals, "decimals", cmd::Decimals},
    {SettingKey::DisplayZero, "display_zero", cmd::DisplayZero},
    {SettingKey::DisplayFullScale, "display_full_scale", cmd::DisplayFull},
    {SettingKey::Output4mA, "output_4ma", cmd::Output4mA},
    {SettingKey::Output20mA, "output_20ma", cmd::Output20mA},
    {SettingKey::Trim4mA, "trim_4ma", cmd::Trim4mA},
    {SettingKey::Trim20mA, "trim_20ma", cmd::Trim20mA},
    {SettingKey::Address, "address", cmd::Address},
    {SettingKey::Baud, "baud", cmd::Baud},
}};

const KeyInfo &infoOf(SettingKey key)
{
    return kKeys[static_cast<std::size_t>(key)];
}
} // namespace

std::string_view settingName(SettingKey key)
{
    return infoOf(key).name;
}

std::optional<SettingKey> settingKeyNamed(std::string_view name)
{
    for (const auto &info : kKeys) {
        if (info.name == name)
            return info.key;
    }
    return std::nullopt;
}

std::string_view settingLetters(SettingKey key)
{
    return infoOf(key).letters;
}

} // namespace ortavel::cli
