#include "ApplyCommand.h"

#include "AddressText.h"
#include "Bus.h"
#include "BusSearch.h"
#include "CommonOptions.h"
#include "Console.h"
#include "HistoryNotes.h"
#include "JsonText.h"
#include "ProgressLine.h"
#include "ReportOutput.h"
#include "SaveOption.h"
#include "SearchOptions.h"
#include "TargetRate.h"
#include "TextTable.h"
#include "traffic/TrafficLine.h"

#include <QFile>
#include <QJsonArray>

#include <algorithm>
#include <cstdio>

namespace ortavel::cli {

bool ApplyCommand::parse(const std::vector<std::string> &args, const CommonOptions &, std::string &error)
{
    std::vector<std::string> rest = args;
    m_dryRun = takeFlag(rest, "--dry-run");
    const bool withCalibration = takeFlag(rest, "--with-calibration");
    m_withTrims = takeFlag(rest, "--with-trims");
    m_all = takeFlag(rest, "--all");
    const bool searchOptions = std::find(rest.begin(), rest.end(), "--addresses") != rest.end() ||
                               std::find(rest.begin(), rest.end(), "--bauds") != rest.end();
    SaveArea save = SaveArea::None;
    if (!takeSaveOption(rest, save, error) || !takeSearchOptions(rest, m_searchAddresses, m_searchBauds, error))
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
    m_fileName = rest.front();
    QFile file(QString::fromStdString(m_fileName));
    if (!file.open(QIODevice::ReadOnly)) {
        error = "cannot read " + m_fileName + ": " + file.errorString().toStdString();
        return false;
    }
    auto backup = parseBackup(file.readAll(), error);
    if (backup)
        m_applier = Applier::make(std::move(*backup), withCalibration, m_withTrims, save, error);
    if (!m_applier) {
        error = m_fileName + ": " + error;
        return false;
    }
    return true;
}

std::string ApplyCommand::ownNotice(const std::string &target) const
{
    return m_applier->ownNotice(target) + "; --with-trims to write them anyway";
}

void ApplyCommand::tellNotRead() const
{
    std::string names;
    for (const auto &name : m_applier->file().notRead)
        names += (names.empty() ? "" : ", ") + name;
    if (!names.empty())
        errf("note: %s holds %s as not read: not written\n", m_fileName.c_str(), names.c_str());
}

int ApplyCommand::runWithoutPort(const CommonOptions &)
{
    // Nothing is sent, so the version is unknown: output values show as
    // given, with the form a transmitter below 2.0 would get beside them.
    // Nor is the identity known: the source's address stands for it.
    const Applier &applier = *m_applier;
    const BackupFile &file = applier.file();
    tellNotRead();
    const bool hasOwn = !applier.ownFields().empty();
    for (const auto &address : m_addresses) {
        const bool own = m_withTrims || (address == file.sourceAddress && file.namesSource());
        if (hasOwn && !own)
            errf("%s\n", ownNotice(address).c_str());
        for (const auto &write : applier.planFor(TargetFacts{}, own)) {
            outf("%s %s", address.c_str(), escapeControls(write.command).c_str());
            if (!write.note.empty())
                outf("    (%s)", write.note.c_str());
            out("\n");
        }
    }
    if (hasOwn && !m_withTrims && file.namesSource() &&
        std::find(m_addresses.begin(), m_addresses.end(), file.sourceAddress) != m_addresses.end())
        errf("note: trims and calibration go to %s only if its type, id and version are still %s, %s, %s\n",
             file.sourceAddress.c_str(), file.sourceType.c_str(), file.sourceId.c_str(), file.sourceVersion.c_str());
    if (WritePlan::needsDecimals(applier.settings()))
        err("note: range and output values are formatted with the transmitter's decimals\n");
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
            errf("interrupted during the search; nothing written (%zu found)\n", targets.size());
            return kExitInterrupted;
        }
    } else {
        for (const auto &address : m_addresses)
            targets.push_back({address, 0});
    }
    tellNotRead();

    ApplyHooks hooks;
    hooks.notice = [](const std::string &text) { errf("%s\n", text.c_str()); };
    hooks.withheld = [this](const std::string &address) { errf("%s\n", ownNotice(address).c_str()); };
    hooks.beforeWrites = readBeforeWrites;
    hooks.tableBefore = readCalibrationTable;
    hooks.tableWritten = recordCalibrationWritten;
    std::vector<ApplyResult> results;
    for (std::size_t i = 0; i < targets.size() && !bus.interrupted(); ++i) {
        const std::string &address = targets[i].address;
        progress.show("writing to " + address + " (" + std::to_string(i + 1) + " of " + std::to_string(targets.size()) +
                      ")");
        std::string error;
        const bool ready =
            targets[i].baud != 0 ? bus.setBaud(targets[i].baud) : prepareTargetRate(bus, address, options, error);
        if (ready)
            results.push_back(m_applier->applyTo(bus, address, hooks));
        else
            results.push_back({address, 0, {}, "did not answer: " + error, {}});
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
            QJsonArray withheld;
            for (const auto &field : t.withheld)
                withheld.append(QString::fromStdString(field));
            item.insert("withheld", withheld);
            list.append(item);
        }
        printJson(list);
    } else {
        TextTable table({"transmitter", "baud", "confirmed", "failures"});
        for (const auto &t : results)
            table.addRow({t.address, t.baud != 0 ? std::to_string(t.baud) : "-",
                          std::to_string(t.report.confirmedCount()), t.failureText()});
        outTable(table);
    }
    for (const auto &t : results) {
        if (!t.confirmed()) {
            allDone = false;
            errf("%s: %s\n", t.address.c_str(), t.failureText().c_str());
        }
    }
    if (bus.interrupted()) {
        errf("interrupted after %zu of %zu transmitters\n", results.size(), targets.size());
        return kExitInterrupted;
    }
    if (targets.empty())
        err("no transmitter to write to\n");
    return allDone && !targets.empty() ? kExitOk : kExitFailed;
}

} // namespace ortavel::cli
