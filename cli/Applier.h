#pragma once

#include "BackupFile.h"
#include "SettingChecker.h"
#include "WritePlan.h"
#include "WriteRunner.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ortavel::cli {

class Bus;

// What became of one transmitter a backup was applied to.
struct ApplyResult {
    std::string address;
    int baud = 0;
    WriteReport report;
    std::string error;                 // set when nothing could be written
    std::vector<std::string> withheld; // the backup's own fields, not written here

    bool confirmed() const { return error.empty() && report.allConfirmed(); }
    // The error, or the fields not confirmed; "-" when there are none.
    std::string failureText() const;
    // The error, or the first write not confirmed with its reason; empty
    // when all were.
    std::string firstFailure() const;
};

// What the caller adds around the writes; each may be left empty.
struct ApplyHooks {
    // Something the operator should know of this target ("note: ...").
    std::function<void(const std::string &)> notice;
    // The backup's own fields are not written to `address`: it is another
    // transmitter than the one it was taken from.
    std::function<void(const std::string &address)> withheld;
    // For the history: the present values of what the plan writes, and the
    // calibration table before and after.
    std::function<void(Bus &, const std::string &address, const std::vector<PlannedWrite> &plan)> beforeWrites;
    std::function<std::string(Bus &, const std::string &address)> tableBefore;
    std::function<void(Bus &, const std::string &address, const std::string &before)> tableWritten;
};

// A backup's writes to one transmitter after another, with the rules of
// `apply`: the values go out in the order `set` writes them, each judged by
// its echo; the trims and the calibration table only to the transmitter
// the backup was taken from (its type, id and version read first), unless
// `withTrims`; the store only after every write before it was confirmed.
class Applier {
public:
    // nullopt, with the first problem in `error`, when a value of the file
    // would not pass `set`'s checks: then nothing may be sent at all.
    static std::optional<Applier> make(BackupFile file, bool withCalibration, bool withTrims, SaveArea save,
                                       std::string &error);

    const BackupFile &file() const { return m_file; }
    const std::vector<CheckedSetting> &settings() const { return m_settings; }
    std::vector<PlannedWrite> planFor(const TargetFacts &facts, bool own) const;
    // The fields that are the backup's transmitter's own, as written with the
    // choices given; empty when there are none.
    std::vector<std::string> ownFields() const;
    // "trims and calibration are 03's own: not written to 05"
    std::string ownNotice(const std::string &target) const;

    // Writes to `address` with the line already at its rate.
    ApplyResult applyTo(Bus &bus, const std::string &address, const ApplyHooks &hooks = {}) const;

private:
    Applier(BackupFile file, std::vector<CheckedSetting> settings, bool withCalibration, bool withTrims, SaveArea save);
    // Whether `address` is the backup's transmitter; nullopt with `error`
    // when its type or id could not be read.
    std::optional<bool> readIsSource(Bus &bus, const std::string &address, const TargetFacts &facts,
                                     std::string &error) const;

    BackupFile m_file;
    std::vector<CheckedSetting> m_settings;
    bool m_withCalibration = false;
    bool m_withTrims = false;
    SaveArea m_save = SaveArea::None;
};

} // namespace ortavel::cli
