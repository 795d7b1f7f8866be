#pragma once

#include "Subcommand.h"
#include "link/QuickSearchWait.h"

#include <optional>

namespace ortavel::cli {

// `search [--addresses 1-99] [--bauds 9600,4800,2400,1200] [--quick [--turnaround MS] [--allowance MS]]`
class SearchCommand final : public Subcommand {
public:
    bool parse(const std::vector<std::string> &args, const CommonOptions &options, std::string &error) override;
    int run(Bus &bus, const CommonOptions &options) override;

private:
    std::vector<int> m_addresses;
    std::vector<int> m_bauds;
    std::optional<QuickSearchWait> m_quick;
};

} // namespace ortavel::cli
