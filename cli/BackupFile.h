#pragma once

#include "Calibration.h"
#include "TransmitterRecord.h"

#include <QByteArray>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ortavel::cli {

// A transmitter's writable configuration: the `set` keys but address, baud
// and id (which name one device), plus the calibration table.
struct BackupFile {
    static constexpr int kFormatVersion = 1;

    // In write order, each value in the form `set` takes.
    std::vector<std::pair<std::string, std::string>> settings;
    CalibrationTable calibration;
    bool hasCalibration = false;
    // Where it came from; informative only.
    std::string sourceAddress;
    std::string sourceVersion;

    // Refuses a record with holes: `missing` names the fields not read.
    static std::optional<BackupFile> fromRecord(const TransmitterRecord &record, std::vector<std::string> &missing);
    QByteArray toJson() const;
    // Checks the frame of the file only; values are checked by `set`'s rules.
    static std::optional<BackupFile> parse(const QByteArray &bytes, std::string &error);
};

} // namespace ortavel::cli
