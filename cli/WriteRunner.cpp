#include "WriteRunner.h"

#include "Bus.h"
#include "Confirmation.h"
#include "text/OperatorText.h"

#include <algorithm>

namespace ortavel::cli {

int WriteReport::confirmedCount() const
{
    return static_cast<int>(
        std::count_if(outcomes.begin(), outcomes.end(), [](const WriteOutcome &o) { return o.confirmed; }));
}

int WriteReport::failedCount() const
{
    return static_cast<int>(outcomes.size()) - confirmedCount();
}

WriteReport WriteRunner::run(Bus &bus, const std::string &address, const std::vector<PlannedWrite> &plan)
{
    WriteReport report;
    report.address = address;
    bool addressLost = false;
    for (const auto &write : plan) {
        if (bus.interrupted()) {
            report.interrupted = true;
            break;
        }
        WriteOutcome outcome{write.field, write.command, {}, false, {}};
        if (write.expect == Expect::Stored && report.failedCount() > 0) {
            outcome.reason = OT_TR("Ortavel", "not stored: an earlier write was not confirmed");
        } else if (addressLost) {
            outcome.reason = OT_TR("Ortavel", "not sent: the address change was not confirmed");
        } else if (const auto fixed = bus.fixedBaud(); write.newBaud != 0 && fixed && write.newBaud != *fixed) {
            // The transmitter would move to a rate the line cannot follow.
            outcome.reason = fill(OT_TR("Ortavel", "not sent: the line's rate is set at its device server (%1 baud)"),
                                  {std::to_string(*fixed)});
        } else {
            outcome.result = bus.send(report.address, write.command);
            outcome.confirmed = isConfirmed(write, outcome.result, report.address);
            if (!outcome.confirmed) {
                outcome.reason = OT_TR("Ortavel", "not confirmed");
                // Where the transmitter now answers is unknown.
                addressLost = !write.newAddress.empty();
            } else if (!write.newAddress.empty()) {
                report.address = write.newAddress;
            } else if (write.newBaud != 0 && !bus.setBaud(write.newBaud)) {
                outcome.confirmed = false;
                outcome.reason = OT_TR("Ortavel", "confirmed, but the line could not follow");
            }
        }
        report.outcomes.push_back(std::move(outcome));
    }
    report.baud = bus.baud();
    return report;
}

} // namespace ortavel::cli
