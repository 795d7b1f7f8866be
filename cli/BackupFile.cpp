#include "BackupFile.h"

#include <algorithm>

namespace ortavel::cli {

std::optional<std::string> recordValue(const TransmitterRecord &r, SettingKey key)
{
    const auto code = [](const std::optional<int> &c) { return c ? std::optional(std::to_string(*c)) : std::nullopt; };
    switch (key) {
    case SettingKey::Type:
        return r.type;
    case SettingKey::Id:
        return r.id;
    case SettingKey::Unit:
        return code(r.unitCode);
    case SettingKey::Decimals:
        return code(r.decimals);
    case SettingKey::DisplayZero:
        return r.displayZero;
    case SettingKey::DisplayFullScale:
        return r.displayFullScale;
    case SettingKey::Output4mA:
        return r.output4mA;
    case SettingKey::Output20mA:
        return r.output20mA;
    case SettingKey::Trim4mA:
        return r.trim4mA;
    case SettingKey::Trim20mA:
        return r.trim20mA;
    default:
        return std::nullopt;
    }
}

std::optional<BackupFile> BackupFile::fromRecord(const TransmitterRecord &record, std::vector<std::string> &missing)
{
    BackupFile file;
    file.sourceAddress = record.address;
    file.sourceType = record.type.value_or("");
    file.sourceId = record.id.value_or("");
    file.sourceVersion = record.version.value_or("");
    // Without them, apply could not give the trims back to this transmitter.
    if (!record.id)
        missing.emplace_back("id");
    if (!record.version)
        missing.emplace_back("version");
    for (const SettingKey key : backupKeys()) {
        const std::string name(settingName(key));
        if (const auto value = recordValue(record, key))
            file.settings.emplace_back(name, *value);
        else
            missing.push_back(name);
    }
    if (!record.calibration.points)
        missing.emplace_back("calibration.points");
    for (int i = 0; i < kCalibrationRows; ++i) {
        const auto &row = record.calibration.rows[static_cast<std::size_t>(i)];
        if (!row.standard || !row.measured)
            missing.push_back("calibration.table." + std::to_string(i));
    }
    if (!missing.empty())
        return std::nullopt;
    file.calibration = record.calibration;
    file.hasCalibration = true;
    return file;
}

std::optional<BackupFile> BackupFile::fromPartialRecord(const TransmitterRecord &record)
{
    BackupFile file;
    file.sourceAddress = record.address;
    file.sourceType = record.type.value_or("");
    file.sourceId = record.id.value_or("");
    file.sourceVersion = record.version.value_or("");
    for (const SettingKey key : backupKeys()) {
        const std::string name(settingName(key));
        if (const auto value = recordValue(record, key))
            file.settings.emplace_back(name, *value);
        else
            file.notRead.push_back(name);
    }
    const auto &rows = record.calibration.rows;
    file.hasCalibration = record.calibration.points && std::all_of(rows.begin(), rows.end(), [](const auto &row) {
                              return row.standard && row.measured;
                          });
    if (file.hasCalibration)
        file.calibration = record.calibration;
    else
        file.notRead.emplace_back("calibration");
    if (file.settings.empty() && !file.hasCalibration)
        return std::nullopt;
    return file;
}

const std::vector<SettingKey> &backupKeys()
{
    static const std::vector<SettingKey> keys = {
        SettingKey::Type,
        SettingKey::Unit,
        SettingKey::Decimals,
        SettingKey::DisplayZero,
        SettingKey::DisplayFullScale,
        SettingKey::Output4mA,
        SettingKey::Output20mA,
        SettingKey::Trim4mA,
        SettingKey::Trim20mA,
    };
    return keys;
}

bool BackupFile::isTakenFrom(const std::string &type, const std::string &id, const std::string &version) const
{
    return namesSource() && type == sourceType && id == sourceId && version == sourceVersion;
}

} // namespace ortavel::cli
