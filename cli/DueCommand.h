#pragma once

#include "Subcommand.h"

namespace ortavel::cli {

// `due [--within DAYS] [--json]`: the transmitters due for verification,
// overdue first; `due --set-interval ID MONTHS` gives one transmitter its
// own interval.
class DueCommand final : public Subcommand {
public:
    bool parse(const std::vector<std::string> &args, const CommonOptions &options, std::string &error) override;
    bool usesPort() const override { return false; }
    int run(Bus &bus, const CommonOptions &options) override;
    int runWithoutPort(const CommonOptions &options) override;

private:
    int setInterval(const CommonOptions &options) const;

    int m_withinDays = 30;
    bool m_json = false;
    std::string m_ident; // --set-interval
    int m_months = 0;
};

} // namespace ortavel::cli
