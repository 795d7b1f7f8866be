#include "SearchCommand.h"

#include "Bus.h"
#include "BusSearch.h"
#include "CommonOptions.h"
#include "Console.h"
#include "JsonText.h"
#include "ProgressLine.h"
#include "SearchOptions.h"
#include "TextTable.h"

#include <QJsonArray>

#include <cstdio>

namespace ortavel::cli {

namespace {

// `--NAME MS` within the setting's range, or the setting's default.
bool takeWaitOption(std::vector<std::string> &args, const std::string &name, const WaitSetting &setting, int &ms,
                    bool &present, std::string &error)
{
    std::string value;
    if (!takeOption(args, name, value, present, error))
        return false;
    if (!present)
        return true;
    const auto parsed = parseWaitMs(value, setting);
    if (!parsed) {
        error = name + ": " + waitSettingError(setting) + ", not " + value;
        return false;
    }
    ms = *parsed;
    return true;
}

} // namespace

bool SearchCommand::parse(const std::vector<std::string> &args, const CommonOptions &, std::string &error)
{
    std::vector<std::string> rest = args;
    if (!takeSearchOptions(rest, m_addresses, m_bauds, error))
        return false;
    const bool quick = takeFlag(rest, "--quick");
    QuickSearchWait wait;
    bool turnaround = false;
    bool allowance = false;
    if (!takeWaitOption(rest, "--turnaround", kTurnaroundSetting, wait.turnaroundMs, turnaround, error) ||
        !takeWaitOption(rest, "--allowance", kAllowanceSetting, wait.allowanceMs, allowance, error))
        return false;
    if ((turnaround || allowance) && !quick) {
        error = "--turnaround and --allowance go with --quick";
        return false;
    }
    if (quick)
        m_quick = wait;
    if (!rest.empty()) {
        error = "search takes no argument " + rest.front();
        return false;
    }
    return true;
}

int SearchCommand::run(Bus &bus, const CommonOptions &options)
{
    ProgressLine progress;
    if (const auto fixed = bus.fixedBaud())
        errf("the line's rate is set at its device server: searching at %d baud only\n", *fixed);
    const auto outcome = BusSearch::run(
        bus, m_addresses, m_bauds,
        [&](const std::string &address, int baud, std::size_t found) {
            progress.show("searching address " + address + " at " + std::to_string(baud) + " baud, " +
                          std::to_string(found) + " found");
        },
        m_quick);
    progress.clear();
    if (m_quick) {
        errf("%s\n", quickSearchNotice(m_quick->turnaroundMs).c_str());
        if (const std::string added = quickSearchAdditions(bus.allowanceMs(), bus.latencyMs()); !added.empty())
            errf("%s\n", added.c_str());
    }
    if (options.json) {
        QJsonArray list;
        for (const auto &t : outcome.found)
            list.append(QJsonObject{{"address", QString::fromStdString(t.address)}, {"baud", t.baud}});
        printJson(list);
    } else {
        TextTable table({"address", "baud"});
        for (const auto &t : outcome.found)
            table.addRow({t.address, std::to_string(t.baud)});
        outTable(table);
    }
    errf("%s: %zu found in %d exchanges\n", outcome.interrupted ? "interrupted" : "search over", outcome.found.size(),
         outcome.exchanges);
    if (outcome.interrupted)
        return kExitInterrupted;
    return outcome.found.empty() ? kExitFailed : kExitOk;
}

} // namespace ortavel::cli
