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
#include "TargetFactsRead.h"
#include "TargetRate.h"
#include "TextTable.h"
#include "TransmitterReader.h"
#include "WriteRunner.h"
#include "link/Commands.h"
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
    std::string error;                 // set when nothing could be written
    std::vector<std::string> withheld; // the backup's own fields, not written here
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

bool isTrim(const CheckedSetting &setting)
{
    return setting.key == SettingKey::Trim4mA || setting.key == SettingKey::Trim20mA;
}
} // namespace

bool ApplyCommand::parse(const std::vector<std::string> &args, const CommonOptions &, std::string &error)
{
    std::vector<std::string> rest = args;
    m_dryRun = takeFlag(rest, "--dry-run");
    m_withCalibration = takeFlag(rest, "--with-calibration");
    m_withTrims = takeFlag(rest, "--with-trims");
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

std::vector<PlannedWrite> ApplyCommand::planFor(const TargetFacts &facts, bool own) const
{
    std::vector<CheckedSetting> settings = m_settings;
    if (!own)
        std::erase_if(settings, isTrim);
    auto plan = WritePlan::settings(settings, facts);
    if (m_withCalibration && own) {
        const auto calibration = WritePlan::calibration(m_file.calibration);
        plan.insert(plan.end(), calibration.begin(), calibration.end());
    }
    if (auto save = WritePlan::save(m_save))
        plan.push_back(std::move(*save));
    return plan;
}

std::vector<std::string> ApplyCommand::ownFields() const
{
    std::vector<std::string> fields;
    for (const auto &setting : m_settings) {
        if (isTrim(setting))
            fields.emplace_back(settingName(setting.key));
    }
    if (m_withCalibration)
        fields.emplace_back("calibration");
    return fields;
}

std::string ApplyCommand::ownNotice(const std::string &target) const
{
    const std::string source = m_file.sourceAddress.empty() ? "the backup's transmitter" : m_file.sourceAddress;
    return "trims and calibration are " + source + "'s own: not written to " + target +
           "; --with-trims to write them anyway";
}

std::optional<bool> ApplyCommand::readIsSource(Bus &bus, const std::string &address, const TargetFacts &facts,
                                               std::string &error) const
{
    TransmitterReader reader(bus, address);
    std::string result;
    const auto type = reader.readText(std::string(cmd::Type), result);
    const auto id = type ? reader.readText(std::string(cmd::Ident), result) : std::nullopt;
    if (!type || !id) {
        error = std::string(type ? "id" : "type") + " not read (" + result + ")";
        return std::nullopt;
    }
    return m_file.isTakenFrom(*type, *id, facts.version.value_or(""));
}

int ApplyCommand::runWithoutPort(const CommonOptions &)
{
    // Nothing is sent, so the version is unknown: output values show as
    // given, with the form a transmitter below 2.0 would get beside them.
    // Nor is the identity known: the source's address stands for it.
    const bool hasOwn = !ownFields().empty();
    for (const auto &address : m_addresses) {
        const bool own = m_withTrims || (address == m_file.sourceAddress && m_file.namesSource());
        if (hasOwn && !own)
            errf("%s\n", ownNotice(address).c_str());
        for (const auto &write : planFor(TargetFacts{}, own)) {
            outf("%s %s", address.c_str(), escapeControls(write.command).c_str());
            if (!write.note.empty())
                outf("    (%s)", write.note.c_str());
            out("\n");
        }
    }
    if (hasOwn && !m_withTrims && m_file.namesSource() &&
        std::find(m_addresses.begin(), m_addresses.end(), m_file.sourceAddress) != m_addresses.end())
        errf("note: trims and calibration go to %s only if its type, id and version are still %s, %s, %s\n",
             m_file.sourceAddress.c_str(), m_file.sourceType.c_str(), m_file.sourceId.c_str(),
             m_file.sourceVersion.c_str());
    if (WritePlan::needsDecimals(m_settings))
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

    std::vector<TargetResult> results;
    for (std::size_t i = 0; i < targets.size() && !bus.interrupted(); ++i) {
        TargetResult t{targets[i].address, targets[i].baud, {}, {}, {}};
        progress.show("writing to " + t.address + " (" + std::to_string(i + 1) + " of " +
                      std::to_string(targets.size()) + ")");
        std::string error;
        TargetFacts facts;
        const bool ready = t.baud != 0 ? bus.setBaud(t.baud) : prepareTargetRate(bus, t.address, options, error);
        // The version read doubles as the check that the transmitter answers.
        std::optional<bool> own;
        if (ready && readTargetFacts(bus, t.address, true, WritePlan::needsDecimals(m_settings), facts, error))
            own = m_withTrims || ownFields().empty() ? std::optional(true) : readIsSource(bus, t.address, facts, error);
        if (!own) {
            t.error = "did not answer: " + error;
        } else {
            if (!*own) {
                t.withheld = ownFields();
                errf("%s\n", ownNotice(t.address).c_str());
            }
            if (const auto why = WritePlan::whyOutputsAsTyped(m_settings, facts))
                errf("note: %s: %s\n", t.address.c_str(), why->c_str());
            const auto plan = planFor(facts, *own);
            // The table it replaces, for the history's calibration entry.
            const bool calibrates = m_withCalibration && *own;
            const std::string tableBefore = calibrates ? readCalibrationTable(bus, t.address) : std::string();
            readBeforeWrites(bus, t.address, plan);
            t.report = WriteRunner::run(bus, t.address, plan);
            if (!tableBefore.empty())
                recordCalibrationWritten(bus, t.report.address, tableBefore);
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
                          std::to_string(t.report.confirmedCount()), failureText(t)});
        outTable(table);
    }
    for (const auto &t : results) {
        if (!t.error.empty() || !t.report.allConfirmed()) {
            allDone = false;
            errf("%s: %s\n", t.address.c_str(), failureText(t).c_str());
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
