#pragma once

#include "WriteRunner.h"

#include <QJsonObject>

namespace ortavel::cli {

// One row per write: field, request, result, confirmed or why not.
void printWriteReport(const WriteReport &report);
QJsonObject writeReportToJson(const WriteReport &report);

// "ERR 0\r" -> "ERR 0": result texts on one line.
std::string resultLine(const std::string &result);

} // namespace ortavel::cli
