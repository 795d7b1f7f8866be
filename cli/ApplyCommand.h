#pragma once

#include "BackupFile.h"
#include "SettingChecker.h"
#include "Subcommand.h"
#include "WritePlan.h"

namespace ortavel::cli {

struct FoundTransmitter;

// `apply FILE ADDR... | apply FILE --all [--addresses A] [--bauds B]`
// `[--save user|factory] [--with-calibration] [--with-trims] [--dry-run]`
// The trims and the calibration table are one transmitter's own: they go
// only to the transmitter the backup was taken from, unless --with-trims.
class ApplyCommand final : public Subcommand {
public:
    bool parse(const std::vector<std::string> &args, const CommonOptions &options, std::string &error) override;
    bool usesPort() const override { return !m_dryRun; }
    int run(Bus &bus, const CommonOptions &options) override;
    int runWithoutPort(const CommonOptions &options) override;

private:
    // `own`: the target may get the trims and the calibration.
    std::vector<PlannedWrite> planFor(const TargetFacts &facts, bool own) const;
    // The fields of the backup that are its transmitter's own, as written
    // with the options given; empty when there are none.
    std::vector<std::string> ownFields() const;
    // "trims and calibration are 03's own: not written to 05; ..."
    std::string ownNotice(const std::string &target) const;
    // Whether the transmitter at `address` is the one the backup was taken
    // from (its version is in `facts`); nullopt with `error` set when its
    // type or id could not be read.
    std::optional<bool> readIsSource(Bus &bus, const std::string &address, const TargetFacts &facts,
                                     std::string &error) const;

    BackupFile m_file;
    std::vector<CheckedSetting> m_settings;
    std::vector<std::string> m_addresses;
    bool m_all = false;
    std::vector<int> m_searchAddresses;
    std::vector<int> m_searchBauds;
    SaveArea m_save = SaveArea::None;
    bool m_withCalibration = false;
    bool m_withTrims = false;
    bool m_dryRun = false;
};

} // namespace ortavel::cli
