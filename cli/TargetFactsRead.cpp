#include "TargetFactsRead.h"

#include "TransmitterReader.h"
#include "Units.h"
#include "link/Commands.h"
#include "text/OperatorText.h"

namespace ortavel::cli {

bool readTargetFacts(Bus &bus, const std::string &address, bool version, bool decimals, TargetFacts &facts,
                     std::string &error)
{
    TransmitterReader reader(bus, address);
    std::string result;
    if (version) {
        facts.version = reader.readText(std::string(cmd::Version), result);
        if (!facts.version) {
            error = fill(OT_TR("Ortavel", "%1 not read (%2)"), {"version", result});
            return false;
        }
    }
    if (decimals) {
        facts.decimals =
            reader.readCode(std::string(cmd::Decimals), 0, static_cast<int>(kDecimalPatterns.size()) - 1, result);
        if (!facts.decimals) {
            error = fill(OT_TR("Ortavel", "%1 not read (%2)"), {"decimals", result});

            return false;
        }
    }
    return true;
}

} // namespace ortavel::cli
