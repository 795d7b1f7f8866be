#include "BackupFile.h"

#include "JsonText.h"
#include "SettingKey.h"
#include "ValueText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace ortavel::cli {

namespace {
constexpr const char *kFormatName = "ortavel-backup";

// The keys a backup holds, in write order.
constexpr std::array<SettingKey, 9> kBackupKeys = {
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

bool isNumberKey(SettingKey key)
{
    return key == SettingKey::Unit || key == SettingKey::Decimals;
}

std::optional<std::string> recordValue(const TransmitterRecord &r, SettingKey key)
{
    const auto code = [](const std::optional<int> &c) { return c ? std::optional(std::to_string(*c)) : std::nullopt; };
    switch (key) {
    case SettingKey::Type:
        return r.type;
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

// A JSON number or text as the text `set` would be given. A number goes
// in the shortest text that reads back as the same double, never in digits
// the file did not hold (12.3, not 12.300000000000001).
std::optional<std::string> valueText(const QJsonValue &value)
{
    if (value.isString())
        return value.toString().toStdString();
    if (value.isDouble()) {
        std::array<char, 400> text{};
        const auto [end, ec] =
            std::to_chars(text.data(), text.data() + text.size(), value.toDouble(), std::chars_format::fixed);
        if (ec != std::errc())
            return std::nullopt;
        return std::string(text.data(), end);
    }
    return std::nullopt;
}

std::optional<CalibrationTable> parseCalibration(const QJsonObject &object, std::string &error)
{
    CalibrationTable table;
    const QJsonValue points = object.value("points");
    const QJsonArray rows = object.value("table").toArray();
    // The count goes out as its digits: a count of 2.5 would be sent as
    // "2.5" while the table is checked for 2 points.
    if (!points.isDouble() || points.toDouble() != std::nearbyint(points.toDouble()) || points.toDouble() < 0 ||
        points.toDouble() > kCalibrationRows) {
        const QByteArray shown = QJsonDocument(QJsonArray{points}).toJson(QJsonDocument::Compact);
        error = "calibration.points: " + shown.mid(1, shown.size() - 2).toStdString() +
                " is not a whole number from 0 to 8";
        return std::nullopt;
    }
    table.points = points.toInt();
    if (rows.size() > kCalibrationRows) {
        error = "calibration.table has more than 8 rows";
        return std::nullopt;
    }
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QJsonObject row = rows.at(i).toObject();
        auto &target = table.rows[static_cast<std::size_t>(i)];
        target.standard = valueText(row.value("standard"));
        target.measured = valueText(row.value("measured"));
    }
    for (int i = 0; i < *table.points; ++i) {
        const auto &row = table.rows[static_cast<std::size_t>(i)];
        if (!row.standard || !isSendableText(*row.standard) || !row.measured || !isSendableText(*row.measured)) {
            error = "calibration.table." + std::to_string(i) + " needs a standard and a measured value";
            return std::nullopt;
        }
    }
    return table;
}
} // namespace

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
    for (const SettingKey key : kBackupKeys) {
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

bool BackupFile::isTakenFrom(const std::string &type, const std::string &id, const std::string &version) const
{
    return namesSource() && type == sourceType && id == sourceId && version == sourceVersion;
}

QByteArray BackupFile::toJson() const
{
    QJsonObject settingsObject;
    for (const auto &[name, value] : settings) {
        const auto key = settingKeyNamed(name);
        if (key && isNumberKey(*key))
            settingsObject.insert(QString::fromStdString(name), std::stoi(value));
        else
            settingsObject.insert(QString::fromStdString(name), QString::fromStdString(value));
    }
    QJsonObject root{
        {"format", kFormatName},
        {"format_version", kFormatVersion},
        {"source", QJsonObject{{"address", QString::fromStdString(sourceAddress)},
                               {"type", QString::fromStdString(sourceType)},
                               {"id", QString::fromStdString(sourceId)},
                               {"version", QString::fromStdString(sourceVersion)}}},
        {"settings", settingsObject},
    };
    if (hasCalibration)
        root.insert("calibration", calibrationToJson(calibration));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<BackupFile> BackupFile::parse(const QByteArray &bytes, std::string &error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (document.isNull() || !document.isObject()) {
        error = "not a JSON object: " + parseError.errorString().toStdString();
        return std::nullopt;
    }
    const QJsonObject root = document.object();
    if (root.value("format").toString() != kFormatName) {
        error = "not an ortavel backup (format is not \"ortavel-backup\")";
        return std::nullopt;
    }
    if (root.value("format_version").toInt(-1) != kFormatVersion) {
        error = "backup format version " + std::to_string(root.value("format_version").toInt(-1)) +
                " is not supported (expected " + std::to_string(kFormatVersion) + ")";
        return std::nullopt;
    }
    BackupFile file;
    const QJsonObject source = root.value("source").toObject();
    file.sourceAddress = source.value("address").toString().toStdString();
    file.sourceType = source.value("type").toString().toStdString();
    file.sourceId = source.value("id").toString().toStdString();
    file.sourceVersion = source.value("version").toString().toStdString();
    const QJsonObject settingsObject = root.value("settings").toObject();
    for (auto it = settingsObject.begin(); it != settingsObject.end(); ++it) {
        const std::string name = it.key().toStdString();
        const auto key = settingKeyNamed(name);
        if (!key || std::find(kBackupKeys.begin(), kBackupKeys.end(), *key) == kBackupKeys.end()) {
            error = "settings." + name + " is not a key a backup may hold";
            return std::nullopt;
        }
        // The type is a text; a number there would go out as digits.
        const auto value = *key == SettingKey::Type && !it.value().isString() ? std::nullopt : valueText(it.value());
        if (!value) {
            error = "settings." + name + (*key == SettingKey::Type ? " must be a text" : " must be a text or a number");
            return std::nullopt;
        }
        file.settings.emplace_back(name, *value);
    }
    if (root.contains("calibration")) {
        const auto table = parseCalibration(root.value("calibration").toObject(), error);
        if (!table)
            return std::nullopt;
        file.calibration = *table;
        file.hasCalibration = true;
    }
    // Without a value to write, apply would confirm a backup it never wrote.
    if (file.settings.empty()) {
        error = "settings holds none of the keys apply writes (type, unit, decimals, display_zero, "
                "display_full_scale, output_4ma, output_20ma, trim_4ma, trim_20ma)";
        return std::nullopt;
    }
    return file;
}

} // namespace ortavel::cli
