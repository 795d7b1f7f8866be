#include "BackupJson.h"

#include "SettingKey.h"
#include "ValueText.h"
#include "text/OperatorText.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace ortavel::cli {

namespace {
constexpr const char *kFormatName = "ortavel-backup";
constexpr const char *kCalibrationName = "calibration";

bool isNumberKey(SettingKey key)
{
    return key == SettingKey::Unit || key == SettingKey::Decimals;
}

bool isNotRead(const BackupFile &file, const std::string &name)
{
    return std::find(file.notRead.begin(), file.notRead.end(), name) != file.notRead.end();
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
        error = fill(OT_TR("Ortavel", "calibration.points: %1 is not a whole number from 0 to 8"),
                     {shown.mid(1, shown.size() - 2).toStdString()});
        return std::nullopt;
    }
    table.points = points.toInt();
    if (rows.size() > kCalibrationRows) {
        error = OT_TR("Ortavel", "calibration.table has more than 8 rows");
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
            error = fill(OT_TR("Ortavel", "calibration.table.%1 needs a standard and a measured value"),
                         {std::to_string(i)});
            return std::nullopt;
        }
    }
    return table;
}
} // namespace

QJsonValue jsonText(const std::optional<std::string> &text)
{
    return text ? QJsonValue(QString::fromStdString(*text)) : QJsonValue(QJsonValue::Null);
}

QJsonValue jsonNumber(const std::optional<int> &number)
{
    return number ? QJsonValue(*number) : QJsonValue(QJsonValue::Null);
}

QJsonObject calibrationToJson(const CalibrationTable &table)
{
    QJsonArray rows;
    for (const auto &row : table.rows)
        rows.append(QJsonObject{{"standard", jsonText(row.standard)}, {"measured", jsonText(row.measured)}});
    return QJsonObject{{"points", jsonNumber(table.points)}, {"table", rows}};
}

QByteArray backupToJson(const BackupFile &file)
{
    QJsonObject settingsObject;
    for (const auto &[name, value] : file.settings) {
        const auto key = settingKeyNamed(name);
        if (key && isNumberKey(*key))
            settingsObject.insert(QString::fromStdString(name), std::stoi(value));
        else
            settingsObject.insert(QString::fromStdString(name), QString::fromStdString(value));
    }
    for (const auto &name : file.notRead) {
        if (name != kCalibrationName)
            settingsObject.insert(QString::fromStdString(name), QJsonValue::Null);
    }
    QJsonObject root{
        {"format", kFormatName},
        {"format_version", BackupFile::kFormatVersion},
        {"source", QJsonObject{{"address", QString::fromStdString(file.sourceAddress)},
                               {"type", QString::fromStdString(file.sourceType)},
                               {"id", QString::fromStdString(file.sourceId)},
                               {"version", QString::fromStdString(file.sourceVersion)}}},
        {"settings", settingsObject},
    };
    if (file.hasCalibration)
        root.insert(kCalibrationName, calibrationToJson(file.calibration));
    else if (isNotRead(file, kCalibrationName))
        root.insert(kCalibrationName, QJsonValue::Null);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<BackupFile> parseBackup(const QByteArray &bytes, std::string &error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (document.isNull() || !document.isObject()) {
        error = fill(OT_TR("Ortavel", "not a JSON object: %1"), {parseError.errorString().toStdString()});
        return std::nullopt;
    }
    const QJsonObject root = document.object();
    if (root.value("format").toString() != kFormatName) {
        error = OT_TR("Ortavel", "not an ortavel backup (format is not \"ortavel-backup\")");
        return std::nullopt;
    }
    if (root.value("format_version").toInt(-1) != BackupFile::kFormatVersion) {
        error =
            fill(OT_TR("Ortavel", "backup format version %1 is not supported (expected %2)"),
                 {std::to_string(root.value("format_version").toInt(-1)), std::to_string(BackupFile::kFormatVersion)});
        return std::nullopt;
    }
    for (const char *part : {"source", "settings"}) {
        if (root.contains(part) && !root.value(part).isObject()) {
            error = fill(OT_TR("Ortavel", "%1 must be an object"), {part});
            return std::nullopt;
        }
    }
    BackupFile file;
    const QJsonObject source = root.value("source").toObject();
    file.sourceAddress = source.value("address").toString().toStdString();
    file.sourceType = source.value("type").toString().toStdString();
    file.sourceId = source.value("id").toString().toStdString();
    file.sourceVersion = source.value("version").toString().toStdString();
    const QJsonObject settingsObject = root.value("settings").toObject();
    const auto &keys = backupKeys();
    for (auto it = settingsObject.begin(); it != settingsObject.end(); ++it) {
        const std::string name = it.key().toStdString();
        const auto key = settingKeyNamed(name);
        if (!key || std::find(keys.begin(), keys.end(), *key) == keys.end()) {
            error = fill(OT_TR("Ortavel", "settings.%1 is not a key a backup may hold"), {name});
            return std::nullopt;
        }
        if (it.value().isNull()) {
            file.notRead.push_back(name);
            continue;
        }
        // The type is a text; a number there would go out as digits.
        const auto value = *key == SettingKey::Type && !it.value().isString() ? std::nullopt : valueText(it.value());
        if (!value) {
            error = *key == SettingKey::Type ? fill(OT_TR("Ortavel", "settings.%1 must be a text"), {name})
                                             : fill(OT_TR("Ortavel", "settings.%1 must be a text or a number"), {name});
            return std::nullopt;
        }
        file.settings.emplace_back(name, *value);
    }
    // The keys in write order, whatever order the file holds them in.
    const auto rank = [&keys](const std::string &name) {
        return std::find(keys.begin(), keys.end(), settingKeyNamed(name).value_or(SettingKey::Baud)) - keys.begin();
    };
    std::stable_sort(file.settings.begin(), file.settings.end(),
                     [&rank](const auto &a, const auto &b) { return rank(a.first) < rank(b.first); });
    std::stable_sort(file.notRead.begin(), file.notRead.end(),
                     [&rank](const auto &a, const auto &b) { return rank(a) < rank(b); });
    if (root.value(kCalibrationName).isNull() && root.contains(kCalibrationName)) {
        file.notRead.emplace_back(kCalibrationName);
    } else if (root.contains(kCalibrationName)) {
        if (!root.value(kCalibrationName).isObject()) {
            error = OT_TR("Ortavel", "calibration must be an object or null");
            return std::nullopt;
        }
        const auto table = parseCalibration(root.value(kCalibrationName).toObject(), error);
        if (!table)
            return std::nullopt;
        file.calibration = *table;
        file.hasCalibration = true;
    }
    // Without a value to write, apply would confirm a backup it never wrote.
    if (file.settings.empty()) {
        error =
            file.notRead.empty()
                ? OT_TR("Ortavel", "settings holds none of the keys apply writes (type, unit, decimals, "
                                   "display_zero, display_full_scale, output_4ma, output_20ma, trim_4ma, trim_20ma)")
                : OT_TR("Ortavel", "settings holds no value to write: every key is saved as not read");

        return std::nullopt;
    }
    return file;
}

} // namespace ortavel::cli
