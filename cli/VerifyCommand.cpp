#include "VerifyCommand.h"

#include "AddressText.h"
#include "Bus.h"
#include "CommonOptions.h"
#include "Console.h"
#include "HistoryNotes.h"
#include "JsonText.h"
#include "SearchOptions.h"
#include "TargetRate.h"
#include "TextTable.h"
#include "Units.h"
#include "adapters/CertificatePdf.h"
#include "adapters/FileDigest.h"
#include "adapters/ReportNumbersOpen.h"
#include "adapters/SettingsStoreQt.h"
#include "controls/SaveFile.h"
#include "link/Commands.h"
#include "link/Numbers.h"
#include "verify/Procedure.h"
#include "verify/ProcedureSheet.h"
#include "verify/RunDetail.h"

#if ORTAVEL_HISTORY
#include "RunHistory.h"
#endif

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <thread>

namespace ortavel::cli {

namespace {

constexpr const char *kVerifyUsage =
    "verify takes ADDR [--points 0,25,50,75,100] [--updown] [--tolerance 0.25] [--samples 5] "
    "[--reference-values V1,V2,...] [--as-found FILE.csv | --as-left] [--range LOW,HIGH] [--csv FILE] [--pdf FILE] "
    "[--operator TEXT] [--instrument TEXT] [--reference-serial TEXT] [--reference-certificate TEXT] "
    "[--reference-due YYYY-MM-DD [--accept-overdue-reference]] [--reference-uncertainty U[%][ k=K]] "
    "[--decision simple|guarded|conditional] [--organisation TEXT] [--place TEXT] [--customer TEXT] [--tag TEXT] "
    "[--location TEXT] [--ambient TEMPERATURE,HUMIDITY,PRESSURE] [--departures TEXT] [--ma-values MA1,MA2,...] "
    "[--report-prefix TEXT] [--procedure plan|dkd-a|dkd-b|dkd-c|cg17-basic] [--dwell SECONDS]";

// The organisation and report numbering as the window keeps them.
constexpr const char *kVerifyApplication = "Ortavel";
constexpr const char *kVerifySection = "Verification";

constexpr int kDwellSliceMs = 50;

// The method, preloads, zero readings and characteristics of a run, added to its JSON.
void addProcedureJson(QJsonObject &json, const verify::RunSheet &sheet)
{
    const auto orNull = [](const std::string &text) {
        return text.empty() || text == "-" ? QJsonValue() : QJsonValue(QString::fromStdString(text));
    };
    json.insert("procedure", QString::fromStdString(std::string(verify::procedureName(sheet.plan.procedure))));
    json.insert("method", QString::fromStdString(std::string(verify::procedureTitle(sheet.plan.procedure))));
    json.insert("dwell_seconds", sheet.plan.dwellSeconds);
    json.insert("preloads", QJsonObject{{"planned", sheet.preloads}, {"confirmed", sheet.preloadsConfirmed}});
    QJsonArray zeros;
    for (const verify::SheetZero &z : sheet.zeros)
        zeros.append(QJsonObject{{"series", z.series},
                                 {"when", z.before ? "before" : "after"},
                                 {"reading", orNull(z.reading)},
                                 {"spread", orNull(z.spread)},
                                 {"skipped", z.skipped},
                                 {"taken_early", z.takenEarly}});
    json.insert("zero_readings", zeros);
    QJsonObject characteristics;
    for (const verify::SheetCharacteristic &c : sheet.characteristics)
        characteristics.insert(QString::fromStdString(c.key),
                               QJsonObject{{"value", orNull(c.value)}, {"pct_of_span", orNull(c.pctOfSpan)}});
    json.insert("characteristics", characteristics);
    QJsonArray points = json.value("points").toArray();
    for (qsizetype i = 0; i < points.size() && i < static_cast<qsizetype>(sheet.lines.size()); ++i) {
        QJsonObject point = points[i].toObject();
        point.insert("taken_early", sheet.lines[static_cast<std::size_t>(i)].takenEarly);
        points[i] = point;
    }
    json.insert("points", points);
}

QJsonObject runJson(const verify::RunSheet &sheet);

QJsonObject sheetJson(const verify::RunSheet &sheet)
{
    const auto orNull = [](const std::string &text) {
        return text.empty() ? QJsonValue() : QJsonValue(QString::fromStdString(text));
    };
    const verify::Identity &id = sheet.identity;
    QJsonArray points;
    for (const verify::SheetLine &l : sheet.lines) {
        points.append(QJsonObject{{"point", QString::fromStdString(l.point)},
                                  {"direction", QString::fromStdString(l.direction)},
                                  {"nominal", QString::fromStdString(l.nominal)},
                                  {"reference", QString::fromStdString(l.reference)},
                                  {"reference_from_nominal", l.referenceFromNominal},
                                  {"reading", orNull(l.reading)},
                                  {"spread", orNull(l.spread)},
                                  {"error", orNull(l.error)},
                                  {"error_pct_span", orNull(l.errorPct)},
                                  {"result", QString::fromStdString(l.result)},
                                  {"expanded_uncertainty", orNull(l.expanded)},
                                  {"tur", orNull(l.tur)},
                                  {"ma_reading", orNull(l.maReading)},
                                  {"ma_expected", orNull(l.maExpected)},
                                  {"ma_error_pct_span", orNull(l.maErrorPct)},
                                  {"ma_result", orNull(l.maResult)},
                                  {"unstable", l.unstable}});
    }
    QJsonArray hysteresis;
    for (const verify::SheetHysteresis &h : sheet.hysteresis)
        hysteresis.append(QJsonObject{
            {"nominal", QString::fromStdString(h.nominal)},
            {"pct_of_span", h.pctOfSpan == "-" ? QJsonValue() : QJsonValue(QString::fromStdString(h.pctOfSpan))}});
    return QJsonObject{{"run", QString::fromStdString(sheet.run)},
                       {"address", QString::fromStdString(id.address)},
                       {"type", QString::fromStdString(id.type)},
                       {"id", QString::fromStdString(id.id)},
                       {"version", QString::fromStdString(id.version)},
                       {"temperature", QString::fromStdString(id.temperature)},
                       {"time", QString::fromStdString(id.time)},
                       {"range", QJsonObject{{"low", QString::fromStdString(id.range.text(id.range.low))},
                                             {"high", QString::fromStdString(id.range.text(id.range.high))},
                                             {"unit", QString::fromStdString(id.range.unit)},
                                             {"typed", id.range.typed}}},
                       {"tolerance_pct_span", QString::fromStdString(sheet.tolerance)},
                       {"points", points},
                       {"hysteresis", hysteresis},
                       {"verdict", QString::fromStdString(std::string(verify::verdictName(sheet.verdict)))}};
}

// A written file as the history names it: its whole path and SHA-256.
verify::FileDigest fileDigest(const std::string &path)
{
    return {QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString(), fileSha256(path).value_or("")};
}

// The run as the history keeps it, in the window's form.
std::string historyDetail(const verify::Run &run, const std::vector<std::string> &files)
{
    std::vector<verify::FileDigest> digests;
    digests.reserve(files.size());
    for (const std::string &file : files)
        digests.push_back(fileDigest(file));
    return verify::runDetailJson(run, digests);
}

} // namespace

bool VerifyCommand::wantsPdf(const std::vector<std::string> &args)
{
    return std::find(args.begin(), args.end(), "verify") != args.end() &&
           std::find(args.begin(), args.end(), "--pdf") != args.end();
}

bool VerifyCommand::parse(const std::vector<std::string> &args, const CommonOptions &, std::string &error)
{
    std::vector<std::string> rest = args;
    std::string value;
    bool present = false;
    m_plan.upDown = takeFlag(rest, "--updown");
    m_asLeft = takeFlag(rest, "--as-left");
    const auto option = [&](const char *name) {
        value.clear();
        return takeOption(rest, name, value, present, error) && present;
    };
    if (option("--points")) {
        const auto points = verify::numberList(value);
        if (!points) {
            error = "--points takes numbers separated by commas";
            return false;
        }
        m_plan.points = *points;
    }
    if (option("--tolerance")) {
        if (!isNumberText(value) || readNumber(value) <= 0) {
            error = "--tolerance takes a number above 0 (% of span)";
            return false;
        }
        m_plan.tolerancePct = readNumber(value);
    }
    if (option("--samples")) {
        const auto samples = parseBoundedInt(value, 1, verify::Plan::kMaxSamples);
        if (!samples) {
            error = "--samples takes a whole number from 1 to 100";
            return false;
        }
        m_plan.samples = *samples;
    }
    if (option("--reference-values")) {
        const auto references = verify::numberTexts(value);
        if (!references) {
            error = "--reference-values takes numbers separated by commas";
            return false;
        }
        m_references = *references;
    }
    if (option("--range")) {
        const auto range = verify::numberList(value);
        if (!range || range->size() != 2 || (*range)[0] == (*range)[1]) {
            error = "--range takes LOW,HIGH, two different numbers";
            return false;
        }
        m_typedRange = verify::Range{(*range)[0], (*range)[1], 3, {}, true};
    }
    std::string asFound;
    const bool hasAsFound = option("--as-found");
    asFound = value;
    m_csv = option("--csv") ? value : std::string();
    m_pdf = option("--pdf") ? value : std::string();
    m_plan.operatorName = option("--operator") ? value : std::string();
    m_plan.instrument = option("--instrument") ? value : std::string();
    m_plan.instrumentSerial = option("--reference-serial") ? value : std::string();
    m_plan.instrumentCertificate = option("--reference-certificate") ? value : std::string();
    m_plan.instrumentDue = option("--reference-due") ? value : std::string();
    m_acceptOverdue = takeFlag(rest, "--accept-overdue-reference");
    if (option("--reference-uncertainty")) {
        m_plan.referenceUncertainty = verify::parseReferenceUncertainty(value);
        if (!m_plan.referenceUncertainty) {
            error = "--reference-uncertainty takes the reference's expanded uncertainty: 0.05, 0.02% or 0.02% k=2";
            return false;
        }
    }
    const auto text = [&](const char *name, std::string &field) {
        if (option(name))
            field = value;
    };
    text("--organisation", m_plan.organisation);
    text("--place", m_plan.place);
    text("--customer", m_plan.customer);
    text("--tag", m_plan.tag);
    text("--location", m_plan.location);
    text("--departures", m_plan.departures);
    m_prefix = option("--report-prefix") ? std::optional(value) : std::nullopt;
    if (option("--ambient")) {
        const std::size_t first = value.find(',');
        const std::size_t second = first == std::string::npos ? first : value.find(',', first + 1);
        if (second == std::string::npos || value.find(',', second + 1) != std::string::npos) {
            error = "--ambient takes TEMPERATURE,HUMIDITY,PRESSURE as typed, any of them empty";
            return false;
        }
        m_plan.ambientTemperature = value.substr(0, first);
        m_plan.ambientHumidity = value.substr(first + 1, second - first - 1);
        m_plan.ambientPressure = value.substr(second + 1);
    }
    if (option("--ma-values")) {
        const auto currents = verify::currentList(value);
        if (!currents) {
            error = "--ma-values takes a meter reading from 0 to 24 mA per point, separated by commas, empty for none";
            return false;
        }
        m_currents = *currents;
    }
    if (option("--decision")) {
        const auto rule = verify::decisionRuleFromName(value);
        if (!rule) {
            error = "--decision takes simple, guarded or conditional";
            return false;
        }
        m_plan.decision = *rule;
    }
    if (option("--procedure")) {
        const auto procedure = verify::procedureFromName(value);
        if (!procedure) {
            error = "--procedure takes plan, dkd-a, dkd-b, dkd-c or cg17-basic";
            return false;
        }
        m_plan.procedure = *procedure;
    }
    if (option("--dwell")) {
        const auto seconds = parseBoundedInt(value, 0, verify::Plan::kMaxDwellSeconds);
        if (!seconds) {
            error = "--dwell takes a whole number of seconds from 0 to 3600";
            return false;
        }
        m_plan.dwellSeconds = *seconds;
    }
    if (!error.empty())
        return false;
    const auto address = rest.size() == 1 ? parseAddress(rest.front()) : std::nullopt;
    if (!address) {
        error = kVerifyUsage;
        return false;
    }
    m_address = formatAddress(*address);
    if (const auto problem = m_plan.problem()) {
        error = *problem;
        return false;
    }
    const auto steps = verify::stepsOf(m_plan.procedure, m_plan.points, m_plan.upDown);
    const auto pointCount = static_cast<std::size_t>(std::count_if(
        steps.begin(), steps.end(), [](const verify::Step &s) { return s.kind == verify::StepKind::Point; }));
    if (!m_currents.empty() && m_currents.size() != pointCount) {
        error = "--ma-values gives " + std::to_string(m_currents.size()) + " values for " + std::to_string(pointCount) +
                " points";
        return false;
    }
    if (!m_references.empty() && m_references.size() != pointCount) {
        error = "--reference-values gives " + std::to_string(m_references.size()) + " values for " +
                std::to_string(pointCount) + " points";
        return false;
    }
    if (hasAsFound) {
        std::ifstream in(asFound);
        std::string why;
        if (!in)
            why = "cannot be read";
        else if (m_asFound = verify::readAsFoundCsv(in, why); m_asFound && m_asFound->identity.address != m_address)
            why = "is of the transmitter at " + m_asFound->identity.address;
        if (!why.empty()) {
            error = "--as-found " + asFound + ": " + why;
            return false;
        }
        m_asLeft = true;
    }
    return true;
}

std::optional<std::string> VerifyCommand::referenceFor(int index, const verify::Point &point,
                                                       const verify::Range &range)
{
    if (!m_references.empty())
        return m_references[static_cast<std::size_t>(index)];
    const std::string nominal = range.text(point.nominal);
    for (;;) {
        // A guideline's series read the same pressures several times: the prompt says which one this is.
        const std::string series = m_plan.procedure == verify::Procedure::Plan
                                       ? std::string()
                                       : " (M" + std::to_string(point.series) + " " +
                                             std::string(verify::directionName(point.planned.direction)) + ")";
        errf("Apply %s %s%s, then type the reference reading [%s]: ", nominal.c_str(), range.unit.c_str(),
             series.c_str(), nominal.c_str());
        std::fflush(stderr);
        std::string line;
        if (!std::getline(std::cin, line))
            return std::nullopt;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        // Enter takes the nominal over; the record says so.
        if (line.find_first_not_of(" \t") == std::string::npos)
            return std::string();
        if (isNumberText(line))
            return line;
        err("ortavel-cli: type a number, or Enter for the nominal pressure\n");
    }
}

bool VerifyCommand::confirmStep(const std::string &prompt) const
{
    errf("%s", prompt.c_str());
    if (!m_references.empty()) {
        err("\n");
        return true;
    }
    std::fflush(stderr);
    std::string line;
    return static_cast<bool>(std::getline(std::cin, line));
}

bool VerifyCommand::dwell(Bus &bus) const
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(m_plan.dwellSeconds);
    while (!bus.interrupted() && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(kDwellSliceMs));
    return !bus.interrupted();
}

// Every step in turn; false when the input ended or Ctrl-C stopped it.
bool VerifyCommand::takeRun(Bus &bus, verify::Run &run)
{
    const auto preloads = std::count_if(run.steps().begin(), run.steps().end(), [](const verify::RunStep &s) {
        return s.step.kind == verify::StepKind::Preload;
    });
    for (int i = 0; i < static_cast<int>(run.steps().size()); ++i) {
        const verify::Step step = run.steps()[static_cast<std::size_t>(i)].step;
        const int record = run.steps()[static_cast<std::size_t>(i)].record;
        if (step.kind == verify::StepKind::Preload) {
            if (!confirmStep("Preload " + std::to_string(step.preload) + " of " + std::to_string(preloads) +
                             ": apply full scale, hold, vent, then press Enter") ||
                bus.interrupted())
                return false;
            run.confirmPreload(i);
            continue;
        }
        if (step.kind == verify::StepKind::Zero) {
            if (!confirmStep("Zero reading (M" + std::to_string(step.series) +
                             (step.zeroBefore ? ", before" : ", after") + "): vent, then press Enter") ||
                bus.interrupted())
                return false;
        } else {
            const auto reference = referenceFor(record, run.point(record), run.identity().range);
            if (!reference || bus.interrupted())
                return false;
            run.setReference(record, *reference);
            if (!m_currents.empty())
                run.point(record).currentMa = m_currents[static_cast<std::size_t>(record)];
        }
        if (m_plan.dwellSeconds > 0 && !dwell(bus))
            return false;
        for (int s = 0; s < run.plan().samples && !bus.interrupted(); ++s)
            run.addStepSample(i, bus.send(m_address, std::string(cmd::Pressure)));
        if (bus.interrupted())
            return false;
        run.reading(i)->taken = true;
    }
    return true;
}

std::optional<verify::ReportNumber> VerifyCommand::reportNumber(SettingsStore &settings, const CommonOptions &options,
                                                                std::string &error) const
{
    std::optional<HistoryPlace> from;
#if ORTAVEL_HISTORY
    if (!options.noHistory) {
        if (const auto chosen = chosenHistoryPlace(options, settings, error))
            from = chosen->place;
    }
#else
    static_cast<void>(options);
#endif
    const std::string prefix =
        m_prefix.value_or(settings.value(kVerifyApplication, kVerifySection, "ReportPrefix", ""));
    const auto numbers = openReportNumbers(from, settings, prefix);
    auto number = numbers->next(std::stoi(verify::localTimeText().substr(0, 4)));
    if (!number)
        error = numbers->errorString();
    return number;
}

void VerifyCommand::print(const verify::RunSheet &sheet, const CommonOptions &options,
                          const std::optional<verify::ReportNumber> &number) const
{
    if (options.json) {
        QJsonObject json = runJson(sheet);
        if (m_asFound)
            json.insert("as_found", runJson(*m_asFound));
        if (number)
            json.insert("report", QJsonObject{{"number", QString::fromStdString(number->text)},
                                              {"source", QString::fromStdString(number->source)}});
        printJson(json);
        return;
    }
    if (number)
        outf("report %s, numbered by %s\n", number->text.c_str(), number->source.c_str());
    const verify::Identity &id = sheet.identity;
    outf("%s run of %s: type %s, id %s, version %s, range %s to %s %s%s, %s\n", sheet.run.c_str(), id.address.c_str(),
         id.type.c_str(), id.id.c_str(), id.version.c_str(), id.range.text(id.range.low).c_str(),
         id.range.text(id.range.high).c_str(), id.range.unit.c_str(), id.range.typed ? " (typed)" : "",
         id.time.c_str());
    outf("method: %s\n", std::string(verify::procedureTitle(sheet.plan.procedure)).c_str());
    const bool stated = sheet.plan.referenceUncertainty.has_value();
    std::vector<std::string> headers = {"point",   "dir",    "nominal", "reference",
                                        "reading", "spread", "error",   "error %"};
    if (stated)
        headers.insert(headers.end(), {"U (k=2)", "TUR"});
    headers.emplace_back("result");
    TextTable table(headers);
    for (const verify::SheetLine &l : sheet.lines) {
        std::vector<std::string> row = {
            l.point,   l.direction, l.nominal, l.reference + (l.referenceFromNominal ? " (nominal)" : ""),
            l.reading, l.spread,    l.error,   l.errorPct};
        if (stated)
            row.insert(row.end(), {l.expanded, l.tur});
        row.push_back(l.result + (l.unstable ? " (unstable)" : "") +
                      (l.discarded.empty() ? "" : " (repeated " + std::to_string(l.discarded.size()) + "x)"));
        table.addRow(row);
    }
    outTable(table);
    for (const verify::SheetHysteresis &h : sheet.hysteresis)
        outf("hysteresis at %s: %s %% of span\n", h.nominal.c_str(), h.pctOfSpan.c_str());
    if (sheet.preloads > 0)
        outf("preloads: %d of %d\n", sheet.preloadsConfirmed, sheet.preloads);
    for (const verify::SheetZero &z : sheet.zeros)
        outf("zero reading M%d %s: %s\n", z.series, z.before ? "before" : "after",
             z.reading.empty() ? "not read" : (z.reading + " " + id.range.unit).c_str());
    for (const verify::SheetCharacteristic &c : sheet.characteristics)
        outf("%s\n", verify::characteristicText(c, id.range.unit).c_str());
    outf("decision rule: %s\n", std::string(verify::decisionRuleText(sheet.plan.decision)).c_str());
    outf("tolerance %s %% of span: %s\n", sheet.tolerance.c_str(),
         std::string(verify::verdictName(sheet.verdict)).c_str());
    if (sheet.currentVerdict)
        outf("4-20 mA output: %s\n", std::string(verify::verdictName(*sheet.currentVerdict)).c_str());
    if (m_asFound)
        outf("as found: %s\n", std::string(verify::verdictName(m_asFound->verdict)).c_str());
}

namespace {

QJsonObject runJson(const verify::RunSheet &sheet)
{
    QJsonObject json = sheetJson(sheet);
    addProcedureJson(json, sheet);
    return json;
}

} // namespace

bool VerifyCommand::writeOutputs(const verify::Certificate &certificate, std::vector<std::string> &files) const
{
    bool written = true;
    const auto note = [&](const std::string &file, bool ok) {
        if (ok) {
            files.push_back(file);
            return;
        }
        errf("ortavel-cli: cannot write %s\n", file.c_str());
        written = false;
    };
    if (!m_csv.empty())
        note(m_csv, writeFile(m_csv, [&](std::ostream &out) { verify::writeCsv(out, certificate); }));
    if (!m_pdf.empty())
        note(m_pdf, writeCertificatePdf(m_pdf, certificate));
    return written;
}

int VerifyCommand::run(Bus &bus, const CommonOptions &options)
{
    // One bus of several writes files of its own.
    m_csv = fileForBus(m_csv, options);
    m_pdf = fileForBus(m_pdf, options);
    // Before anything goes on the line.
    if (m_plan.referenceOverdue(verify::localTimeText())) {
        if (!m_acceptOverdue) {
            errf("ortavel-cli: the run does not start: the reference instrument was due on %s; "
                 "--accept-overdue-reference goes on, and the report says so\n",
                 m_plan.instrumentDue.c_str());
            return kExitUsage;
        }
        m_plan.overdueAccepted = true;
    }
    SettingsStoreQt settings(QString::fromStdString(options.settingsDir));
    if (m_plan.organisation.empty())
        m_plan.organisation = settings.value(kVerifyApplication, kVerifySection, "Organisation", "");
    m_plan.organisationAddress = settings.value(kVerifyApplication, kVerifySection, "OrganisationAddress", "");
    std::string error;
    if (!prepareTargetRate(bus, m_address, options, error)) {
        errf("ortavel-cli: %s\n", error.c_str());
        return bus.interrupted() ? kExitInterrupted : kExitFailed;
    }
    nameOperator(bus, m_plan.operatorName, options);
    const auto ask = [&bus, this](const std::string &command) { return bus.send(m_address, command); };
    verify::IdentityRead read = verify::readIdentity(
        ask, m_address, [](int code) { return unitName(code); }, verify::localTimeText());
    if (m_typedRange) {
        m_typedRange->decimals = read.identity.range.decimals;
        m_typedRange->unit = read.identity.range.unit;
        read.identity.range = *m_typedRange;
    } else if (read.rangeProblem) {
        errf("ortavel-cli: the run does not start: %s; give it with --range LOW,HIGH\n", read.rangeProblem->c_str());
        return kExitFailed;
    }
    if (m_asFound) {
        if (const auto problem = verify::joinProblem(m_asFound->identity, read.identity)) {
            errf("ortavel-cli: --as-found: %s\n", problem->c_str());
            return kExitUsage;
        }
    }
    verify::Run run(m_plan, read.identity);
    const bool complete = takeRun(bus, run);
    verify::Certificate certificate;
    certificate.plan = m_plan;
    certificate.asFound = m_asFound;
    const verify::RunSheet sheet = verify::sheetOf(run, m_asLeft ? verify::kAsLeft : verify::kAsFound);
    (m_asLeft ? certificate.asLeft : certificate.asFound) = sheet;
    // Files make a report: it takes its number.
    std::optional<verify::ReportNumber> number;
    if (!m_csv.empty() || !m_pdf.empty()) {
        number = reportNumber(settings, options, error);
        if (!number) {
            errf("ortavel-cli: the report has no number, and is not written: %s\n", error.c_str());
            return kExitFailed;
        }
        certificate.reportNumber = number->text;
        certificate.issued = verify::localTimeText().substr(0, 10);
    }
    print(sheet, options, number);
    std::vector<std::string> files;
    const bool written = writeOutputs(certificate, files);
    // A run stopped half way is no verification of the transmitter.
    if (complete)
        recordVerification(bus, m_address, m_asLeft ? "as-left" : "as-found", sheet.verdict == verify::Verdict::Pass,
                           historyDetail(run, files));
    if (!complete)
        return bus.interrupted() ? kExitInterrupted : kExitFailed;
    const bool outputPassed = !sheet.currentVerdict || *sheet.currentVerdict == verify::Verdict::Pass;
    return written && sheet.verdict == verify::Verdict::Pass && outputPassed ? kExitOk : kExitFailed;
}

} // namespace ortavel::cli
