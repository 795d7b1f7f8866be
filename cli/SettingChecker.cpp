#include "SettingChecker.h"

#include "AddressText.h"
#include "CommonOptions.h"
#include "Units.h"
#include "ValueText.h"
#include "link/LineSettings.h"
#include "text/OperatorText.h"

#include <algorithm>

namespace ortavel::cli {

namespace {
// Sign and digits only: trim values are whole steps.
std::optional<int> wholeInput(const std::string &text, int limit)
{
    std::string digits = text;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-'))
        digits.erase(0, 1);
    if (digits.empty() || digits.size() > 6 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const int magnitude = std::stoi(digits);
    const int value = text.front() == '-' ? -magnitude : magnitude;
    if (value < -limit || value > limit)
        return std::nullopt;
    return value;
}
} // namespace

std::optional<CheckedSetting> SettingChecker::checkOne(SettingKey key, const std::string &value, std::string &error)
{
    CheckedSetting checked{key, value, 0.0, 0};
    const std::string name(settingName(key));
    switch (key) {
    case SettingKey::Type:
    case SettingKey::Id:
        if (isSendableText(value))
            return checked;
        error = fill(OT_TR("Ortavel", "%1: needs a text without control characters, not empty"), {name});
        return std::nullopt;
    case SettingKey::Unit:
        if (const auto code = parseUnit(value)) {
            checked.code = *code;
            return checked;
        }
        error = fill(OT_TR("Ortavel", "%1: %2 is not kPa, MPa, mH2O, Bar, Psi, mBar, Unknown or a code 0-6"),
                     {name, value});
        return std::nullopt;
    case SettingKey::Decimals:
        if (const auto code = parseBoundedInt(value, 0, static_cast<int>(kDecimalPatterns.size()) - 1)) {
            checked.code = *code;
            return checked;
        }
        error = fill(OT_TR("Ortavel", "%1: %2 is not 0 to 4"), {name, value});
        return std::nullopt;
    case SettingKey::DisplayZero:
    case SettingKey::DisplayFullScale:
    case SettingKey::Output4mA:
    case SettingKey::Output20mA:
        if (const auto number = decimalInput(value)) {
            checked.number = *number;
            return checked;
        }
        error = fill(OT_TR("Ortavel", "%1: %2 is not a decimal number"), {name, value});
        return std::nullopt;
    case SettingKey::Trim4mA:
    case SettingKey::Trim20mA:
        if (const auto trim = wholeInput(value, kTrimLimit)) {
            checked.code = *trim;
            return checked;
        }
        error = fill(OT_TR("Ortavel", "%1: %2 is not a whole number from -5000 to 5000"), {name, value});
        return std::nullopt;
    case SettingKey::Address:
        if (const auto address = parseAddress(value)) {
            checked.code = *address;
            return checked;
        }
        error = fill(OT_TR("Ortavel", "%1: %2 is not an address from 1 to 99"), {name, value});
        return std::nullopt;
    case SettingKey::Baud:
        if (const auto baud = parseBoundedInt(value, kBaudRates.front(), kBaudRates.back());
            baud && bandIndexOfBaud(*baud)) {
            checked.code = *baud;
            return checked;
        }
        error = fill(OT_TR("Ortavel", "%1: %2 is not 1200, 2400, 4800 or 9600"), {name, value});
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<std::vector<CheckedSetting>>
SettingChecker::check(const std::vector<std::pair<std::string, std::string>> &assignments,
                      std::vector<std::string> &errors)
{
    std::vector<CheckedSetting> checked;
    for (const auto &[name, value] : assignments) {
        const auto key = settingKeyNamed(name);
        if (!key) {
            errors.push_back(fill(OT_TR("Ortavel", "unknown key %1"), {name}));
            continue;
        }
        if (std::any_of(checked.begin(), checked.end(), [&](const CheckedSetting &c) { return c.key == *key; })) {
            errors.push_back(fill(OT_TR("Ortavel", "%1 given twice"), {name}));

            continue;
        }
        std::string error;
        if (auto one = checkOne(*key, value, error))
            checked.push_back(std::move(*one));
        else
            errors.push_back(error);
    }
    if (!errors.empty())
        return std::nullopt;
    std::stable_sort(checked.begin(), checked.end(),
                     [](const CheckedSetting &a, const CheckedSetting &b) { return a.key < b.key; });
    return checked;
}

std::optional<std::vector<CheckedSetting>> SettingChecker::check(const std::vector<std::string> &assignments,
                                                                 std::vector<std::string> &errors)
{
    std::vector<std::pair<std::string, std::string>> pairs;
    for (const auto &arg : assignments) {
        const auto equals = arg.find('=');
        if (equals == std::string::npos || equals == 0) {
            errors.push_back("expected KEY=VALUE, got " + arg);
            continue;
        }
        pairs.emplace_back(arg.substr(0, equals), arg.substr(equals + 1));
    }
    if (!errors.empty())
        return std::nullopt;
    return check(pairs, errors);
}

} // namespace ortavel::cli
