#pragma once

#include "TransmitterRecord.h"

#include <QJsonObject>
#include <QJsonValue>

#include <optional>
#include <string>

namespace ortavel::cli {

QJsonValue jsonText(const std::optional<std::string> &text);
QJsonValue jsonNumber(const std::optional<int> &number);

// The object of `read --json`.
QJsonObject recordToJson(const TransmitterRecord &record);
QJsonObject calibrationToJson(const CalibrationTable &table);

// Indented JSON and a line feed on stdout.
void printJson(const QJsonValue &value);

} // namespace ortavel::cli
