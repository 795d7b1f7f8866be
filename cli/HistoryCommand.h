#pragma once

#include "Subcommand.h"
#include "history/HistoryStore.h"

namespace ortavel::cli {

// `history [ID | --address ADDR] [--since DATE] [--parameter P] [--json | --csv]`
// and `history --check`: the instrument history, read only.
class HistoryCommand final : public Subcommand {
public:
    bool parse(const std::vector<std::string> &args, const CommonOptions &options, std::string &error) override;
    bool usesPort() const override { return false; }
    int run(Bus &bus, const CommonOptions &options) override;
    int runWithoutPort(const CommonOptions &options) override;

private:
    enum class Output { Text, Json, Csv };

    int check(HistoryStore &store) const;
    int entries(HistoryStore &store) const;
    int known(HistoryStore &store, const CommonOptions &options) const;

    bool m_check = false;
    HistoryFilter m_filter;
    Output m_output = Output::Text;
};

} // namespace ortavel::cli
