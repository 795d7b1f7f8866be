#pragma once

#include "Subcommand.h"

namespace ortavel::cli {

// `ports`: the machine's serial ports and what stands behind com1 to com6.
class PortsCommand final : public Subcommand {
public:
    bool parse(const std::vector<std::string> &args, const CommonOptions &options, std::string &error) override;
    bool usesPort() const override { return false; }
    int run(Bus &bus, const CommonOptions &options) override;
    int runWithoutPort(const CommonOptions &options) override;
};

} // namespace ortavel::cli
