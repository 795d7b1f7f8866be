#pragma once

#include "BackupFile.h"

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>

#include <optional>
#include <string>

namespace ortavel::cli {

// The backup file on disk, for `backup`, `apply` and the window's
// configurations alike.
QByteArray backupToJson(const BackupFile &file);
// Checks the frame of the file only; values are checked by `set`'s rules.
// `error` names the problem: not JSON, not a backup, an unknown key, a value
// of the wrong kind.
std::optional<BackupFile> parseBackup(const QByteArray &bytes, std::string &error);

QJsonValue jsonText(const std::optional<std::string> &text);
QJsonValue jsonNumber(const std::optional<int> &number);
QJsonObject calibrationToJson(const CalibrationTable &table);

} // namespace ortavel::cli
