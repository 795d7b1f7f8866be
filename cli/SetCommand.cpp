#include "SetCommand.h"

#include "AddressText.h"
#include "Bus.h"
#include "CommonOptions.h"
#include "HistoryNotes.h"
#include "JsonText.h"
#include "ReportOutput.h"
#include "SaveOption.h"
#include "TargetFactsRead.h"
#include "TargetRate.h"
#include "WriteRunner.h"

#include <cstdio>

namespace ortavel::cli {

bool SetCommand::parse(const std::vector<std::string> &args, const CommonOptions &, std::string &error)
{
    std::vector<std::string> rest = args;
    if (!takeSaveOption(rest, m_save, error))
        return false;
    const auto address = rest.empty() ? std::nullopt : parseAddress(rest.front());
    if (!address || rest.size() < 2) {
        error = "set takes ADDR KEY=VALUE...";
        return false;
    }
    m_address = formatAddress(*address);
    std::vector<std::string> problems;
    const std::vector<std::string> assignments(rest.begin() + 1, rest.end());
    const auto checked = SettingChecker::check(assignments, problems);
    if (!checked) {
        error = "nothing sent: ";
        for (std::size_t i = 0; i < problems.size(); ++i)
            error += (i == 0 ? "" : "; ") + problems[i];
        return false;
    }
    m_settings = *checked;
    return true;
}

int SetCommand::run(Bus &bus, const CommonOptions &options)
{
    std::string error;
    TargetFacts facts;
    if (!prepareTargetRate(bus, m_address, options, error) ||
        !readTargetFacts(bus, m_address, WritePlan::needsVersion(m_settings), WritePlan::needsDecimals(m_settings),
                         facts, error)) {
        std::fprintf(stderr, "ortavel-cli: %s; nothing written\n", error.c_str());
        return bus.interrupted() ? kExitInterrupted : kExitFailed;
    }
    if (const auto why = WritePlan::whyOutputsAsTyped(m_settings, facts))
        std::fprintf(stderr, "note: %s\n", why->c_str());
    auto plan = WritePlan::settings(m_settings, facts);
    if (auto save = WritePlan::save(m_save))
        plan.push_back(std::move(*save));
    readBeforeWrites(bus, m_address, plan);
    const WriteReport report = WriteRunner::run(bus, m_address, plan);
    if (options.json)
        printJson(writeReportToJson(report));
    else
        printWriteReport(report);
    std::fprintf(stderr, "%d of %zu writes confirmed%s\n", report.confirmedCount(), plan.size(),
                 report.interrupted ? "; interrupted" : "");
    if (report.interrupted)
        return kExitInterrupted;
    return report.allConfirmed() ? kExitOk : kExitFailed;
}

} // namespace ortavel::cli
