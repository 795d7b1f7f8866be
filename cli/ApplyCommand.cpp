#include "ApplyCommand.h"

#include "AddressText.h"
#include "Bus.h"
#include "BusSearch.h"
#include "CommonOptions.h"
#include "JsonText.h"
#include "LinkSession.h"
#include "ProgressLine.h"
#include "ReportOutput.h"
#include "SaveOption.h"
#include "SearchOptions.h"
#include "TargetFactsRead.h"
#include "TargetRate.h"
#include "TextTable.h"
#include "WriteRunner.h"
#include "traffic/TrafficLine.h"

#include <QFile>
#include <QJsonArray>

#include <algorithm>
#include <cstdio>

namespace ortavel::cli {

namespace {
struct TargetResult {
    std::string address;
    int baud = 0;
    WriteReport report;
    std::string error; // set when nothing could be written
};

std::string failureText(const TargetResult &t)
{
    if (!t.error.empty())
        return t.error;
    std::string text;
    for (const auto &o : t.report.outcomes) {
        if (!o.confirmed)
            text += (text.empty() ? "" : ", ") + o.field;
    }
    return text.empty() ? "-" : text;
}
} // namespace

bool ApplyCommand::parse(const std::vector<std::string> &args, const CommonOptions &, std::string &error)
{
    std::vector<std::string> rest = args;
    m_dryRun = takeFlag(rest, "--dry-run");
    m_withCalibration = takeFlag(rest, "--with-calibration");
    m_all = takeFlag(rest, "--all");
    const bool searchOptions = std::find(rest.begin(), rest.end(), "--addresses") != rest.end() ||
                               std::find(rest.begin(), rest.end(), "--bauds") != rest.end();
    if (!takeSaveOption(rest, m_save, error) || !takeSearchOptions(rest, m_searchAddresses, m_searchBauds, error))
        return false;
    if (rest.empty() || (m_all == (rest.size() > 1)) || (searchOptions && !m_all)) {
        error = "apply takes FILE ADDR... or FILE --all [--addresses A] [--bauds B]";
        return false;
    }
    if (m_all && m_dryRun) {
        error = "--dry-run needs the addresses: --all would have to search";
        return false;
    }
    for (auto it = rest.begin() + 1; it != rest.end(); ++it) {
        const auto address = parseAddress(*it);
        if (!address) {
            error = *it + " is not an address from 1 to 99";
            return false;
        }
        m_addresses.push_back(formatAddress(*address));
    }
    QFile file(QString::fromStdString(rest.front()));
    if (!file.open(QIODevice::ReadOnly)) {
        error = "cannot read " + rest.front() + ": " + file.errorString().toStdString();
        return false;
    }
    const auto backup = BackupFile::parse(file.readAll(), error);
    if (!backup) {
        error = rest.front() + ": " + error;
        return false;
    }
    m_file = *backup;
    if (m_withCalibration && !m_file.hasCalibration) {
        error = rest.front() + " holds no calibration table";
        return false;
    }
    std::vector<std::string> problems;
    const auto checked = SettingChecker::check(m_file.settings, problems);
    if (!checked) {
        error = rest.front() + ": " + problems.front();
        return false;
    }
    m_settings = *checked;
    return true;
}

std::vector<PlannedWrite> ApplyCommand::planFor(const TargetFacts &facts) const
{
    auto plan = WritePlan::settings(m_settings, facts);
    if (m_withCalibration) {
        const auto calibration = WritePlan::calibration(m_file.calibration);
        plan.insert(plan.end(), calibration.begin(), calibration.end());
    }
    if (auto save = WritePlan::save(m_save))
        plan.push_back(std::move(*save));
    return plan;
}

int ApplyCommand::runWithoutPort(const CommonOptions &)
{
    // Nothing is sent, so the version is unknown: output values show as
    // given, with the form a transmitter below 2.0 would get beside them.
    const auto plan = planFor(TargetFacts{});
    for (const auto &address : m_addresses) {
        for (const auto &write : plan) {
            std::printf("%s %s", address.c_str(), escapeControls(write.command).c_str());
            if (!write.note.empty())
                std::printf("    (%s)", write.note.c_str());
            std::putchar('\n');
        }
    }
    if (WritePlan::needsDecimals(m_settings))
        std::fputs("note: range and output values are formatted with the transmitter's decimals\n", stderr);
    return kExitOk;
}

int ApplyCommand::run(Bus &bus, const CommonOptions &options)
{
    std::vector<FoundTransmitter> targets;
    ProgressLine progress;
    if (m_all) {
        const auto outcome = BusSearch::run(
            bus, m_searchAddresses, m_searchBauds, [&](const std::string &address, int baud, std::size_t) {
                progress.show("searching address " + address + " at " + std::to_string(baud) + " baud");
            });
        targets = outcome.found;
        if (outcome.interrupted) {
            progress.clear();
            std::fprintf(stderr, "interrupted during the search; nothing written (%zu found)\n", targets.size());
            return kExitInterrupted;
        }
    } else {
        for (const auto &address : m_addresses)
            targets.push_back({address, 0});
    }

    std::vector<TargetResult> results;
    for (std::size_t i = 0; i < targets.size() && !bus.interrupted(); ++i) {
        TargetResult t{targets[i].address, targets[i].baud, {}, {}};
        progress.show("writing to " + t.address + " (" + std::to_string(i + 1) + " of " +
                      std::to_string(targets.size()) + ")");
        std::string error;
        TargetFacts facts;
        const bool ready = t.baud != 0 ? bus.setBaud(t.baud) : prepareTargetRate(bus, t.address, options, error);
        // The version read doubles as the check that the transmitter answers.
        if (!ready || !readTargetFacts(bus, t.address, true, WritePlan::needsDecimals(m_settings), facts, error)) {
            t.error = "did not answer: " + error;
        } else {
            t.report = WriteRunner::run(bus, t.address, planFor(facts));
        }
        t.baud = t.error.empty() ? bus.baud() : 0;
        results.push_back(std::move(t));
    }
    progress.clear();

    bool allDone = results.size() == targets.size();
    if (options.json) {
        QJsonArray list;
        for (const auto &t : results) {
            QJsonObject item = writeReportToJson(t.report);
            item.insert("address", QString::fromStdString(t.address));
            item.insert("baud", t.baud != 0 ? QJsonValue(t.baud) : QJsonValue());
            if (!t.error.empty())
                item.insert("error", QString::fromStdString(t.error));
            list.append(item);
        }
        printJson(list);
    } else {
        TextTable table({"transmitter", "baud", "confirmed", "failures"});
        for (const auto &t : results)
            table.addRow({t.address, t.baud != 0 ? std::to_string(t.baud) : "-",
                          std::to_string(t.report.confirmedCount()), failureText(t)});
        std::fputs(table.text().c_str(), stdout);
    }
    for (const auto &t : results) {
        if (!t.error.empty() || !t.report.allConfirmed()) {
            allDone = false;
            std::fprintf(stderr, "%s: %s\n", t.address.c_str(), failureText(t).c_str());
        }
    }
    if (bus.interrupted()) {
        std::fprintf(stderr, "interrupted after %zu of %zu transmitters\n", results.size(), targets.size());
        return kExitInterrupted;
    }
    if (targets.empty())
        std::fputs("no transmitter to write to\n", stderr);
    return allDone && !targets.empty() ? kExitOk : kExitFailed;
}

} // namespace ortavel::cli
