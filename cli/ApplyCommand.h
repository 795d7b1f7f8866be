#pragma once

#include "BackupFile.h"
#include "SettingChecker.h"
#include "Subcommand.h"
#include "WritePlan.h"

namespace ortavel::cli {

struct FoundTransmitter;

// `apply FILE ADDR... | apply FILE --all [--addresses A] [--bauds B]`
// `[--save user|factory] [--with-calibration] [--dry-run]`
class ApplyCommand final : public Subcommand {
public:
    bool parse(const std::vector<std::string> &args, const CommonOptions &options, std::string &error) override;
    bool usesPort() const override { return !m_dryRun; }
    int run(Bus &bus, const CommonOptions &options) override;
    int runWithoutPort(const CommonOptions &options) override;

private:
    std::vector<PlannedWrite> planFor(const TargetFacts &facts) const;

    BackupFile m_file;
    std::vector<CheckedSetting> m_settings;
    std::vector<std::string> m_addresses;
    bool m_all = false;
    std::vector<int> m_searchAddresses;
    std::vector<int> m_searchBauds;
    SaveArea m_save = SaveArea::None;
    bool m_withCalibration = false;
    bool m_dryRun = false;
};

} // namespace ortavel::cli
