#include "Applier.h"

#include "Bus.h"
#include "TargetFactsRead.h"
#include "TransmitterReader.h"
#include "link/Commands.h"
#include "text/OperatorText.h"

#include <algorithm>

namespace ortavel::cli {

namespace {
bool isTrim(const CheckedSetting &setting)
{
    return setting.key == SettingKey::Trim4mA || setting.key == SettingKey::Trim20mA;
}
} // namespace

std::string ApplyResult::failureText() const
{
    if (!error.empty())
        return error;
    std::string text;
    for (const auto &o : report.outcomes) {
        if (!o.confirmed)
            text += (text.empty() ? "" : ", ") + o.field;
    }
    return text.empty() ? "-" : text;
}

std::string ApplyResult::firstFailure() const
{
    if (!error.empty())
        return error;
    for (const auto &o : report.outcomes) {
        if (!o.confirmed)
            return o.result.empty() ? fill(OT_TR("Ortavel", "%1: %2"), {o.field, o.reason})
                                    : fill(OT_TR("Ortavel", "%1: %2 (%3)"), {o.field, o.reason, o.result});
    }
    return report.interrupted ? OT_TR("Ortavel", "cancelled") : "";
}

Applier::Applier(BackupFile file, std::vector<CheckedSetting> settings, bool withCalibration, bool withTrims,
                 SaveArea save)
    : m_file(std::move(file)), m_settings(std::move(settings)), m_withCalibration(withCalibration),
      m_withTrims(withTrims), m_save(save)
{
}

std::optional<Applier> Applier::make(BackupFile file, bool withCalibration, bool withTrims, SaveArea save,
                                     std::string &error)
{
    if (withCalibration && !file.hasCalibration) {
        error = OT_TR("Ortavel", "it holds no calibration table");
        return std::nullopt;
    }
    std::vector<std::string> problems;
    auto checked = SettingChecker::check(file.settings, problems);
    if (!checked) {
        error = problems.front();
        return std::nullopt;
    }
    return Applier(std::move(file), std::move(*checked), withCalibration, withTrims, save);
}

std::vector<PlannedWrite> Applier::planFor(const TargetFacts &facts, bool own) const
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

std::vector<std::string> Applier::ownFields() const
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

std::string Applier::ownNotice(const std::string &target) const
{
    const std::string source = m_file.sourceAddress.empty() ? "the backup's transmitter" : m_file.sourceAddress;
    return "trims and calibration are " + source + "'s own: not written to " + target;
}

std::optional<bool> Applier::readIsSource(Bus &bus, const std::string &address, const TargetFacts &facts,
                                          std::string &error) const
{
    TransmitterReader reader(bus, address);
    std::string result;
    const auto type = reader.readText(std::string(cmd::Type), result);
    const auto id = type ? reader.readText(std::string(cmd::Ident), result) : std::nullopt;
    if (!type || !id) {
        error = fill(OT_TR("Ortavel", "%1 not read (%2)"), {type ? "id" : "type", result});
        return std::nullopt;
    }
    return m_file.isTakenFrom(*type, *id, facts.version.value_or(""));
}

ApplyResult Applier::applyTo(Bus &bus, const std::string &address, const ApplyHooks &hooks) const
{
    ApplyResult t{address, 0, {}, {}, {}};
    const auto notice = [&hooks](const std::string &text) {
        if (hooks.notice)
            hooks.notice(text);
    };
    std::string error;
    TargetFacts facts;
    // The version read doubles as the check that the transmitter answers.
    std::optional<bool> own;
    if (readTargetFacts(bus, address, true, WritePlan::needsDecimals(m_settings), facts, error))
        own = m_withTrims || ownFields().empty() ? std::optional(true) : readIsSource(bus, address, facts, error);
    if (!own) {
        t.error = fill(OT_TR("Ortavel", "did not answer: %1"), {error});
        return t;
    }
    if (!*own) {
        t.withheld = ownFields();
        if (hooks.withheld)
            hooks.withheld(address);
    }
    if (const auto why = WritePlan::whyOutputsAsTyped(m_settings, facts))
        notice(fill(OT_TR("Ortavel", "note: %1: %2"), {address, *why}));

    const auto plan = planFor(facts, *own);
    // The table it replaces, for the history's calibration entry.
    const bool calibrates = m_withCalibration && *own;
    const std::string tableBefore = calibrates && hooks.tableBefore ? hooks.tableBefore(bus, address) : std::string();
    if (hooks.beforeWrites)
        hooks.beforeWrites(bus, address, plan);
    t.report = WriteRunner::run(bus, address, plan);
    if (!tableBefore.empty() && hooks.tableWritten)
        hooks.tableWritten(bus, t.report.address, tableBefore);
    t.baud = bus.baud();
    return t;
}

} // namespace ortavel::cli
