#pragma once

#include "BackupJson.h"
#include "TransmitterRecord.h"

#include <QJsonObject>
#include <QJsonValue>

#include <optional>
#include <string>

namespace ortavel::cli {

// The object of `read --json`.
QJsonObject recordToJson(const TransmitterRecord &record);

// Indented JSON and a line feed on stdout.
void printJson(const QJsonValue &value);

} // namespace ortavel::cli
