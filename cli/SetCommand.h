#pragma once

#include "SettingChecker.h"
#include "Subcommand.h"
#include "WritePlan.h"

namespace ortavel::cli {

// `set ADDR KEY=VALUE... [--save user|factory]`
class SetCommand final : public Subcommand {
public:
    bool parse(const std::vector<std::string> &args, const CommonOptions &options, std::string &error) override;
    int run(Bus &bus, const CommonOptions &options) override;

private:
    std::string m_address;
    std::vector<CheckedSetting> m_settings;
    SaveArea m_save = SaveArea::None;
};

} // namespace ortavel::cli
