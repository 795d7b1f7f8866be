#pragma once

#include "Subcommand.h"

namespace ortavel::cli {

// `send [--repeat N] ADDR COMMAND`, unchanged: see SendCommand.h.
class SendSubcommand final : public Subcommand {
public:
    bool parse(const std::vector<std::string> &args, const CommonOptions &options, std::string &error) override;
    int run(Bus &bus, const CommonOptions &options) override;

private:
    std::vector<std::string> m_args;
};

} // namespace ortavel::cli
