#pragma once

#include "Calibration.h"
#include "SettingKey.h"
#include "TransmitterRecord.h"

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
    // Keys saved as not read ("calibration" for the table): kept in the
    // file as null, never written.
    std::vector<std::string> notRead;
    CalibrationTable calibration;
    bool hasCalibration = false;
    // Where it came from. Type, id and version name the transmitter whose
    // own the trims and the calibration are; empty in files that did not
    // record them, which then name none.
    std::string sourceAddress;
    std::string sourceType;
    std::string sourceId;
    std::string sourceVersion;

    bool namesSource() const { return !sourceType.empty() && !sourceId.empty() && !sourceVersion.empty(); }
    // Whether a transmitter of this type, id and version is the one the
    // backup was taken from.
    bool isTakenFrom(const std::string &type, const std::string &id, const std::string &version) const;

    // Refuses a record with holes: `missing` names the fields not read.
    static std::optional<BackupFile> fromRecord(const TransmitterRecord &record, std::vector<std::string> &missing);
    // Keeps what the record holds and names the rest in `notRead`; nullopt
    // when it holds no value to write at all.
    static std::optional<BackupFile> fromPartialRecord(const TransmitterRecord &record);
};

// The value of a `set` key as the record holds it ("3" for a unit code);
// nullopt when it was not read, or for address and baud.
std::optional<std::string> recordValue(const TransmitterRecord &record, SettingKey key);

// The keys a backup may hold, in write order.
const std::vector<SettingKey> &backupKeys();

} // namespace ortavel::cli
