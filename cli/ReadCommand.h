#pragma once

#include "Subcommand.h"

namespace ortavel::cli {

// `read ADDR`: every parameter of one transmitter.
class ReadCommand final : public Subcommand {
public:
    bool parse(const std::vector<std::string> &args, const CommonOptions &options, std::string &error) override;
    int run(Bus &bus, const CommonOptions &options) override;

private:
    std::string m_address;
};

} // namespace ortavel::cli
