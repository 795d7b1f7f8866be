#include "TargetFactsRead.h"

#include "TransmitterReader.h"
#include "Units.h"
#include "link/Commands.h"

namespace ortavel::cli {

bool readTargetFacts(Bus &bus, const std::string &address, bool version, bool decimals, TargetFacts &facts,
                     std::string &error)
{
    TransmitterReader reader(bus, address);
    std::string result;
    if (version) {
        facts.version = reader.readText(std::string(cmd::Version), result);
        if (!facts.version) {
            error = "version not read (" + result + ")";
            return false;
        }
    }
    if (decimals) {
        facts.decimals =
            reader.readCode(std::string(cmd::Decimals), 0, static_cast<int>(kDecimalPatterns.size()) - 1, result);
        if (!facts.decimals) {
            error = "decimals not read (" + result + ")";
            return false;
        }
    }
    return true;
}

} // namespace ortavel::cli
