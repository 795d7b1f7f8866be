#pragma once

#include "Subcommand.h"

namespace ortavel::cli {

// `poll ADDR [--count N] [--interval MS]`: CSV rows of the collect loop.
class PollCommand final : public Subcommand {
public:
    static constexpr int kDefaultIntervalMs = 200;

    bool parse(const std::vector<std::string> &args, const CommonOptions &options, std::string &error) override;
    int run(Bus &bus, const CommonOptions &options) override;

private:
    std::string m_address;
    int m_count = 0; // 0: until Ctrl-C
    int m_intervalMs = kDefaultIntervalMs;
};

} // namespace ortavel::cli
