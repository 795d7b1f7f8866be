#pragma once

#include "Subcommand.h"
#include "WritePlan.h"

namespace ortavel::cli {

// `zero ADDR` ("SZ"), `save ADDR user|factory` ("WU"/"WF") and
// `restore-factory ADDR` ("LD"): one request each, its answer checked.
class OneRequestCommand final : public Subcommand {
public:
    enum class Kind { Zero, Save, Restore };

    explicit OneRequestCommand(Kind kind) : m_kind(kind) {}
    bool parse(const std::vector<std::string> &args, const CommonOptions &options, std::string &error) override;
    int run(Bus &bus, const CommonOptions &options) override;

private:
    Kind m_kind;
    std::string m_address;
    SaveArea m_area = SaveArea::None;
};

} // namespace ortavel::cli
