#include "ConfigurationCompare.h"

#include "cli/SettingKey.h"
#include "cli/Units.h"
#include "link/Numbers.h"

#include <algorithm>

namespace ortavel {

namespace {
using cli::BackupFile;
using cli::SettingKey;
using cli::TransmitterRecord;

bool isOwnKey(const std::string &key)
{
    return key == "trim_4ma" || key == "trim_20ma" || key == "calibration";
}

bool isIdentityKey(const std::string &key)
{
    return key == "type" || key == "id";
}

// Numbers are the same value however they are written ("+012.3", "12.30").
bool sameValue(SettingKey key, const std::string &a, const std::string &b)
{
    if (key == SettingKey::Type || key == SettingKey::Id)
        return a == b;
    const auto x = plainNumber(a);
    const auto y = plainNumber(b);
    return x && y ? *x == *y : a == b;
}

// "3 (Bar)" for a unit code, the code alone elsewhere.
std::string shown(SettingKey key, const std::string &value)
{
    if (key == SettingKey::Unit) {
        const auto number = plainNumber(value);
        const std::string name = number ? cli::unitName(static_cast<int>(*number)) : std::string();
        return name.empty() ? value : value + " (" + name + ")";
    }
    return value;
}

std::string failureOf(const TransmitterRecord &r, const std::string &field)
{
    for (const auto &[name, result] : r.errors) {
        if (name == field || name.starts_with(field + "."))
            return result;
    }
    return r.interrupted ? OT_TR("Ortavel", "not asked") : ConfigurationCompare::kNotRead;
}

bool tableRead(const cli::CalibrationTable &table)
{
    return table.points && std::all_of(table.rows.begin(), table.rows.end(),
                                       [](const auto &row) { return row.standard && row.measured; });
}

std::string tableText(const cli::CalibrationTable &table)
{
    const int points = table.points.value_or(0);
    const std::string count =
        fill(points == 1 ? OT_TR("Ortavel", "%1 point") : OT_TR("Ortavel", "%1 points"), {std::to_string(points)});
    // The pairs are values: they stay as they are in every language.
    std::string pairs;
    for (int i = 0; i < points && i < cli::kCalibrationRows; ++i) {
        const auto &row = table.rows[static_cast<std::size_t>(i)];
        pairs += std::string(i == 0 ? "" : ", ") + row.standard.value_or("?") + "/" + row.measured.value_or("?");
    }
    return pairs.empty() ? count : fill(OT_TR("Ortavel", "%1: %2"), {count, pairs});
}

bool sameTable(const cli::CalibrationTable &a, const cli::CalibrationTable &b)
{
    if (a.points != b.points)
        return false;
    for (int i = 0; i < a.points.value_or(0) && i < cli::kCalibrationRows; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const auto same = [](const std::optional<std::string> &x, const std::optional<std::string> &y) {
            return x && y && sameValue(SettingKey::DisplayZero, *x, *y);
        };
        if (!same(a.rows[index].standard, b.rows[index].standard) ||
            !same(a.rows[index].measured, b.rows[index].measured))
            return false;
    }
    return true;
}

void decide(CompareRow &row, bool differs, bool same)
{
    row.differs = differs;
    row.offered = row.fileHasValue && (differs || !row.deviceRead) && (same || !isOwnKey(row.key));
    row.ticked = row.offered && differs && (same || !isIdentityKey(row.key));
}
} // namespace

bool ConfigurationCompare::sameTransmitter(const BackupFile &file, const TransmitterRecord &now)
{
    return now.type && now.id && now.version && file.isTakenFrom(*now.type, *now.id, *now.version);
}

std::vector<CompareRow> ConfigurationCompare::rows(const BackupFile &file, const TransmitterRecord &now)
{
    const bool same = sameTransmitter(file, now);
    std::vector<CompareRow> rows;
    for (const SettingKey key : cli::kAllSettingKeys) {
        const std::string name(cli::settingName(key));
        const auto inFile = std::find_if(file.settings.begin(), file.settings.end(),
                                         [&name](const auto &setting) { return setting.first == name; });
        std::optional<std::string> fileValue;
        if (inFile != file.settings.end())
            fileValue = inFile->second;
        else if (key == SettingKey::Id && !file.sourceId.empty())
            fileValue = file.sourceId;
        const bool savedNotRead = std::find(file.notRead.begin(), file.notRead.end(), name) != file.notRead.end();
        if (!fileValue && !savedNotRead)
            continue;
        CompareRow row;
        row.key = name;
        row.fileHasValue = fileValue.has_value();
        row.fileText = fileValue ? shown(key, *fileValue) : kNotRead;
        const auto device = cli::recordValue(now, key);
        row.deviceRead = device.has_value();
        row.deviceText = device ? shown(key, *device) : failureOf(now, name);
        // The text may differ where the value does not ("+012.3" and "12.3").
        decide(row, fileValue && device && !sameValue(key, *fileValue, *device), same);
        rows.push_back(std::move(row));
    }
    const bool savedNotRead = std::find(file.notRead.begin(), file.notRead.end(), "calibration") != file.notRead.end();
    if (file.hasCalibration || savedNotRead) {
        CompareRow row;
        row.key = "calibration";
        row.fileHasValue = file.hasCalibration;
        row.fileText = file.hasCalibration ? tableText(file.calibration) : kNotRead;
        row.deviceRead = tableRead(now.calibration);
        row.deviceText = row.deviceRead ? tableText(now.calibration) : failureOf(now, "calibration");
        decide(row, row.fileHasValue && row.deviceRead && !sameTable(file.calibration, now.calibration), same);
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<CompareRow> ConfigurationCompare::reread(const BackupFile &file, const TransmitterRecord &now,
                                                     const std::vector<CompareRow> &before)
{
    auto rows = ConfigurationCompare::rows(file, now);
    for (auto &row : rows) {
        const auto old =
            std::find_if(before.begin(), before.end(), [&row](const CompareRow &b) { return b.key == row.key; });
        if (old == before.end())
            continue;
        row.outcome = old->outcome;
        row.failed = old->failed;
    }
    return rows;
}

BackupFile ConfigurationCompare::chosen(const BackupFile &file, const std::vector<CompareRow> &rows, bool &calibration)
{
    const auto ticked = [&rows](const std::string &key) {
        return std::any_of(rows.begin(), rows.end(),
                           [&key](const CompareRow &row) { return row.key == key && row.offered && row.ticked; });
    };
    BackupFile cut = file;
    cut.settings.clear();
    cut.notRead.clear();
    for (const auto &setting : file.settings) {
        if (ticked(setting.first))
            cut.settings.push_back(setting);
    }
    // The id names one device: it goes out only where the operator ticked it.
    if (ticked("id"))
        cut.settings.emplace_back("id", file.sourceId);
    calibration = file.hasCalibration && ticked("calibration");
    return cut;
}

void ConfigurationCompare::markOutcomes(std::vector<CompareRow> &rows, const cli::ApplyResult &result)
{
    for (auto &row : rows) {
        if (!row.offered || !row.ticked)
            continue;
        bool sent = false;
        row.failed = false;
        row.outcome = OT_TR("Ortavel", "confirmed");
        for (const auto &o : result.report.outcomes) {
            const bool mine = o.field == row.key || o.field.starts_with(row.key + ".");
            if (!mine)
                continue;
            sent = true;
            if (!o.confirmed && !row.failed) {
                row.failed = true;
                row.outcome = o.result.empty() ? o.reason : fill(OT_TR("Ortavel", "%1: %2"), {o.reason, o.result});
            }
        }
        if (sent)
            continue;
        row.failed = true;
        if (!result.error.empty())
            row.outcome = result.error;
        else if (std::find(result.withheld.begin(), result.withheld.end(), row.key) != result.withheld.end())
            row.outcome = OT_TR("Ortavel", "not written: the transmitter is not the file's own");
        else
            row.outcome =
                result.report.interrupted ? OT_TR("Ortavel", "not sent: cancelled") : OT_TR("Ortavel", "not sent");
    }
}

} // namespace ortavel
