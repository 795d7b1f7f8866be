#pragma once

#include "Subcommand.h"

namespace ortavel::cli {

// `backup ADDR [FILE]`: the writable configuration as a versioned JSON file.
class BackupCommand final : public Subcommand {
public:
    bool parse(const std::vector<std::string> &args, const CommonOptions &options, std::string &error) override;
    int run(Bus &bus, const CommonOptions &options) override;

private:
    std::string m_address;
    std::string m_file;
};

} // namespace ortavel::cli
