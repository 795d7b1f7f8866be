#pragma once

#include "Applier.h"
#include "Subcommand.h"

#include <optional>

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
    // "trims and calibration are 03's own: not written to 05; --with-trims ..."
    std::string ownNotice(const std::string &target) const;
    // Tells which values the file holds as not read, once.
    void tellNotRead() const;

    std::string m_fileName;
    std::optional<Applier> m_applier;
    std::vector<std::string> m_addresses;
    bool m_all = false;
    std::vector<int> m_searchAddresses;
    std::vector<int> m_searchBauds;
    bool m_withTrims = false;
    bool m_dryRun = false;
};

} // namespace ortavel::cli
