#pragma once

#include <memory>
#include <string>
#include <vector>

namespace ortavel::cli {

class Bus;
struct CommonOptions;

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;
// Stopped by Ctrl-C after reporting what was done, as shells count it.
inline constexpr int kExitInterrupted = 130;

// One subcommand: its arguments are parsed and every value checked before
// the port is opened, so a usage error or a bad value sends nothing.
class Subcommand {
public:
    virtual ~Subcommand() = default;
    virtual bool parse(const std::vector<std::string> &args, const CommonOptions &options, std::string &error) = 0;
    virtual bool usesPort() const { return true; }
    virtual int run(Bus &bus, const CommonOptions &options) = 0;
    // For subcommands that do not open the port.
    virtual int runWithoutPort(const CommonOptions &) { return kExitUsage; }
};

// nullptr for an unknown name.
std::unique_ptr<Subcommand> makeSubcommand(const std::string &name);

} // namespace ortavel::cli
