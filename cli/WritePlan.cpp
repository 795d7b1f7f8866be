#include "WritePlan.h"

#include "AddressText.h"
#include "Units.h"
#include "ValueText.h"
#include "link/Commands.h"
#include "link/LineSettings.h"
#include "link/Numbers.h"
#include "text/OperatorText.h"

#include <algorithm>

namespace ortavel::cli {

namespace {
bool isOutput(SettingKey key)
{
    return key == SettingKey::Output4mA || key == SettingKey::Output20mA;
}

bool isRangeOrOutput(SettingKey key)
{
    return key == SettingKey::DisplayZero || key == SettingKey::DisplayFullScale || isOutput(key);
}

PlannedWrite writeOf(std::string field, std::string_view letters, std::string value, Expect expect)
{
    PlannedWrite write;
    write.field = std::move(field);
    write.command = cmd::write(letters, value);
    write.value = std::move(value);
    write.expect = expect;
    return write;
}

// The window takes a typed value as single precision before formatting it.
std::string patternText(double value, int decimals)
{
    return signedSingleText(toSingle(value).value_or(0.0F), kDecimalPatterns[static_cast<std::size_t>(decimals)]);
}

Expect expectFor(const std::string &value)
{
    return strictNumber(value) ? Expect::Number : Expect::Text;
}
} // namespace

bool WritePlan::needsVersion(const std::vector<CheckedSetting> &settings)
{
    return std::any_of(settings.begin(), settings.end(), [](const CheckedSetting &s) { return isOutput(s.key); });
}

bool WritePlan::needsDecimals(const std::vector<CheckedSetting> &settings)
{
    const bool setsDecimals = std::any_of(settings.begin(), settings.end(),
                                          [](const CheckedSetting &s) { return s.key == SettingKey::Decimals; });
    return !setsDecimals && std::any_of(settings.begin(), settings.end(),
                                        [](const CheckedSetting &s) { return isRangeOrOutput(s.key); });
}

bool WritePlan::formatsOutputs(const std::string &version)
{
    const auto number = numberAtStart(version);
    return number && *number < 2.0;
}

std::optional<std::string> WritePlan::whyOutputsAsTyped(const std::vector<CheckedSetting> &settings,
                                                        const TargetFacts &facts)
{
    if (!needsVersion(settings) || !facts.version || numberAtStart(*facts.version))
        return std::nullopt;
    return fill(OT_TR("Ortavel", "version \"%1\" is not a number: output values go out as typed"), {*facts.version});
}

std::vector<PlannedWrite> WritePlan::settings(const std::vector<CheckedSetting> &settings, const TargetFacts &facts)
{
    int decimals = facts.decimals.value_or(0);
    for (const auto &s : settings) {
        if (s.key == SettingKey::Decimals)
            decimals = s.code;
    }
    std::vector<PlannedWrite> plan;
    for (const auto &s : settings) {
        const std::string field(settingName(s.key));
        const std::string_view letters = settingLetters(s.key);
        switch (s.key) {
        case SettingKey::Type:
        case SettingKey::Id:
            plan.push_back(writeOf(field, letters, s.text, Expect::Text));
            break;
        case SettingKey::Unit:
        case SettingKey::Decimals:
            plan.push_back(writeOf(field, letters, codeText(s.code), Expect::Number));
            break;
        case SettingKey::DisplayZero:
        case SettingKey::DisplayFullScale:
            plan.push_back(writeOf(field, letters, patternText(s.number, decimals), Expect::Number));
            break;
        case SettingKey::Output4mA:
        case SettingKey::Output20mA:
            if (!facts.version) {
                auto write = writeOf(field, letters, s.text, Expect::Number);
                const std::string formatted = patternText(s.number, decimals);
                if (formatted != s.text)
                    write.note = "below version 2.0: " + cmd::write(letters, formatted);
                plan.push_back(std::move(write));
            } else {
                const bool format = formatsOutputs(*facts.version);
                plan.push_back(
                    writeOf(field, letters, format ? patternText(s.number, decimals) : s.text, Expect::Number));
            }
            break;
        case SettingKey::Trim4mA:
        case SettingKey::Trim20mA:
            plan.push_back(writeOf(field, letters, trimValueText(s.code), Expect::Number));
            break;
        case SettingKey::Address: {
            auto write = writeOf(field, letters, formatAddress(s.code), Expect::Number);
            write.newAddress = formatAddress(s.code);
            plan.push_back(std::move(write));
            break;
        }
        case SettingKey::Baud: {
            auto write = writeOf(field, letters, codeText(bandIndexOfBaud(s.code).value_or(-1)), Expect::BaudEcho);
            write.newBaud = s.code;
            plan.push_back(std::move(write));
            break;
        }
        }
    }
    return plan;
}

std::vector<PlannedWrite> WritePlan::calibration(const CalibrationTable &table)
{
    std::vector<PlannedWrite> plan;
    const int points = table.points.value_or(0);
    plan.push_back(writeOf("calibration.points", cmd::PointCount, codeText(points), Expect::Number));
    for (int i = 0; i < points && i < kCalibrationRows; ++i) {
        const auto &row = table.rows[static_cast<std::size_t>(i)];
        const std::string prefix = "calibration.table." + std::to_string(i) + ".";
        const std::string measured = row.measured.value_or("");
        const std::string standard = row.standard.value_or("");
        plan.push_back(writeOf(prefix + "measured", cmd::point(cmd::Measured, i), measured, expectFor(measured)));
        plan.push_back(writeOf(prefix + "standard", cmd::point(cmd::Standard, i), standard, expectFor(standard)));
    }
    return plan;
}

std::optional<PlannedWrite> WritePlan::save(SaveArea area)
{
    if (area == SaveArea::None)
        return std::nullopt;
    const std::string_view letters = area == SaveArea::User ? cmd::SaveUser : cmd::SaveFactory;
    return writeOf("save", letters, "", Expect::Stored);
}

} // namespace ortavel::cli
