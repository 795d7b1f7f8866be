#include "Certificate.h"

#include "ProcedureSheet.h"
#include "link/Numbers.h"
#include "text/OperatorText.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>

namespace ortavel::verify {

namespace {

constexpr int kPctDecimals = 2;
constexpr int kOldColumns = 13;
constexpr int kColumns = 19;
constexpr int kMaDecimals = 3;

std::vector<std::string> fields(const std::string &line)
{
    std::vector<std::string> parts;
    std::stringstream stream(line);
    std::string part;
    while (std::getline(stream, part, ','))
        parts.push_back(part);
    if (!line.empty() && line.back() == ',')
        parts.emplace_back();
    return parts;
}

// Texts from the transmitter may hold anything; commas and line ends would
// break the CSV's columns.
std::string csvField(const std::string &text)
{
    std::string clean = text;
    for (char &c : clean) {
        if (c == ',' || c == '\r' || c == '\n' || c == '"')
            c = ' ';
    }
    return clean;
}

constexpr PointResult kResults[] = {PointResult::Pass,
                                    PointResult::Fail,
                                    PointResult::NotRead,
                                    PointResult::Skipped,
                                    PointResult::ConditionalPass,
                                    PointResult::ConditionalFail};

std::optional<PointResult> resultOfName(const std::string &name)
{
    for (const PointResult result : kResults) {
        if (resultName(result) == name)
            return result;
    }
    return std::nullopt;
}

Verdict verdictOfLines(const std::vector<SheetLine> &lines)
{
    std::vector<PointResult> results;
    results.reserve(lines.size());
    for (const SheetLine &line : lines)
        results.push_back(resultOfName(line.result).value_or(PointResult::NotRead));
    return verdictOf(results);
}

} // namespace

RunSheet sheetOf(const Run &run, const std::string &name)
{
    RunSheet sheet;
    sheet.run = name;
    sheet.identity = run.identity();
    sheet.plan = run.plan();
    sheet.tolerance = fixedText(run.plan().tolerancePct, kPctDecimals);
    const Range &range = run.identity().range;
    for (int i = 0; i < static_cast<int>(run.points().size()); ++i) {
        const Point &point = run.points()[static_cast<std::size_t>(i)];
        const Figures figures = run.figures(i);
        SheetLine line;
        line.point =
            fixedText(point.planned.percent, point.planned.percent == std::round(point.planned.percent) ? 0 : 2);
        line.direction = directionName(point.planned.direction);
        line.nominal = range.text(point.nominal);
        line.referenceFromNominal = point.referenceFromNominal();
        line.reference =
            fixedText(point.reference, point.referenceFromNominal() ? range.decimals : point.referenceDecimals);
        line.result = resultName(figures.result);
        const auto texts = [&figures](const std::vector<double> &values) {
            std::vector<std::string> out;
            out.reserve(values.size());
            for (const double value : values)
                out.push_back(fixedText(value, figures.decimals));
            return out;
        };
        line.samples = texts(point.samples);
        for (const std::vector<double> &take : point.discarded)
            line.discarded.push_back(texts(take));
        if (isJudged(figures.result)) {
            line.reading = fixedText(figures.reading, figures.decimals);
            line.spread = fixedText(figures.spread, figures.decimals);
            // From the printed figures: the certificate's own sum holds to
            // its last digit; the judgement uses the unrounded error.
            line.error = fixedText(readNumber(line.reading) - readNumber(line.reference), figures.decimals);
            line.errorPct = fixedText(figures.errorPct, kPctDecimals);
            line.unstable = figures.unstable;
            if (run.plan().referenceUncertainty) {
                line.expanded = fixedText(figures.budget.expanded, figures.decimals);
                line.tur = figures.budget.tur ? fixedText(*figures.budget.tur, kPctDecimals) : "-";
            }
        }
        if (figures.current) {
            line.maReading = fixedText(*point.currentMa, kMaDecimals);
            line.maExpected = fixedText(figures.current->expectedMa, kMaDecimals);
            line.maErrorPct = fixedText(figures.current->errorPctSpan, kPctDecimals);
            line.maResult = figures.current->pass ? "pass" : "fail";
        }
        sheet.lines.push_back(line);
    }
    sheet.verdict = run.verdict();
    sheet.currentVerdict = run.currentVerdict();
    for (const Hysteresis &h : run.hysteresis())
        sheet.hysteresis.push_back({range.text(h.nominal), h.pctOfSpan ? fixedText(*h.pctOfSpan, kPctDecimals) : "-"});
    addProcedureFigures(sheet, run);
    return sheet;
}

int RunSheet::discardedTakes() const
{
    int count = 0;
    for (const SheetLine &line : lines)
        count += static_cast<int>(line.discarded.size());
    return count;
}

int RunSheet::skippedPoints() const
{
    return static_cast<int>(std::count_if(lines.begin(), lines.end(), [](const SheetLine &line) {
        return line.result == resultName(PointResult::Skipped);
    }));
}

std::vector<const RunSheet *> Certificate::runs() const
{
    std::vector<const RunSheet *> list;
    if (asFound)
        list.push_back(&*asFound);
    if (asLeft)
        list.push_back(&*asLeft);
    return list;
}

std::string Certificate::title() const
{
    for (const RunSheet *sheet : runs()) {
        if (sheet->plan.referenceUncertainty)
            return OT_TR("Ortavel", "Calibration certificate");
    }
    return OT_TR("Ortavel", "Verification report");
}

std::optional<std::string> Certificate::rangeAdjustment() const
{
    if (!asFound || !asLeft)
        return std::nullopt;
    const Range &before = asFound->identity.range;
    const Range &after = asLeft->identity.range;
    if (before.low == after.low && before.high == after.high && before.unit == after.unit)
        return std::nullopt;
    return fill(
        OT_TR("Ortavel", "Range changed between the runs (adjusted): as found %1 to %2 %3, as left %4 to %5 %6"),
        {before.text(before.low), before.text(before.high), before.unit, after.text(after.low), after.text(after.high),
         after.unit});
}

std::optional<std::string> joinProblem(const Identity &asFound, const Identity &asLeft)
{
    if (asFound.sameTransmitter(asLeft))
        return std::nullopt;
    return fill(OT_TR("Ortavel", "the as-found run was of another transmitter (address %1, type %2, id %3); this one "
                                 "is address %4, type %5, id %6"),
                {asFound.address, asFound.type, asFound.id, asLeft.address, asLeft.type, asLeft.id});
}

namespace {

std::string runKey(const std::string &run)
{
    return run == kAsFound ? "as_found" : "as_left";
}

std::string oneLine(const std::string &text)
{
    std::string clean = text;
    for (char &c : clean) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return clean;
}

std::string joined(const std::vector<double> &numbers)
{
    std::string text;
    for (const double number : numbers)
        text += (text.empty() ? "" : ";") + fixedText(number, number == std::round(number) ? 0 : 2);
    return text;
}

// The facts of one run, keyed as_found.* or as_left.*.
// The plan's typed texts, written as facts and read back by the same key.
struct TextFact {
    const char *key;
    std::string Plan::*field;
};
constexpr TextFact kRunTexts[] = {{"operator", &Plan::operatorName},
                                  {"reference", &Plan::instrument},
                                  {"reference_serial", &Plan::instrumentSerial},
                                  {"reference_certificate", &Plan::instrumentCertificate},
                                  {"reference_due", &Plan::instrumentDue},
                                  {"note", &Plan::note},
                                  {"ambient_temperature", &Plan::ambientTemperature},
                                  {"ambient_humidity", &Plan::ambientHumidity},
                                  {"ambient_pressure", &Plan::ambientPressure},
                                  {"departures", &Plan::departures}};
// The report's parties: once per report, not per run.
constexpr TextFact kReportTexts[] = {{"organisation", &Plan::organisation},
                                     {"organisation_address", &Plan::organisationAddress},
                                     {"place", &Plan::place},
                                     {"customer", &Plan::customer},
                                     {"tag", &Plan::tag},
                                     {"location", &Plan::location}};

std::vector<std::pair<std::string, std::string>> runFacts(const RunSheet &sheet)
{
    const Identity &id = sheet.identity;
    const Plan &plan = sheet.plan;
    std::vector<std::pair<std::string, std::string>> facts = {
        {"started", id.time},
        {"version", id.version},
        {"temperature", id.temperature},
        {"range_low", id.range.text(id.range.low)},
        {"range_high", id.range.text(id.range.high)},
        {"range_typed", id.range.typed ? "yes" : "no"},
        {"decimals", std::to_string(id.range.decimals)},
        {"unit", id.range.unit},
        {"points", joined(plan.points)},
        {"updown", plan.upDown ? "yes" : "no"},
        {"tolerance_pct_span", sheet.tolerance},
        {"samples", std::to_string(plan.samples)},
        {"reference_overdue_accepted", plan.overdueAccepted ? "yes" : "no"},
        {"reference_uncertainty",
         plan.referenceUncertainty ? referenceUncertaintyText(*plan.referenceUncertainty) : std::string()},
        {"decision_rule", std::string(decisionRuleName(plan.decision))},
        {"sensor_low", id.sensorLow},
        {"sensor_high", id.sensorHigh},
        {"sensor_unit", id.sensorUnit},
        {"output_low", id.outputLow ? fixedText(*id.outputLow, id.range.decimals) : std::string()},
        {"output_high", id.outputHigh ? fixedText(*id.outputHigh, id.range.decimals) : std::string()},
        {"ma_verdict", sheet.currentVerdict ? std::string(verdictName(*sheet.currentVerdict)) : std::string()},
        {"discarded_takes", std::to_string(sheet.discardedTakes())},
        {"skipped_points", std::to_string(sheet.skippedPoints())},
        {"verdict", std::string(verdictName(sheet.verdict))}};
    for (const TextFact &text : kRunTexts)
        facts.emplace_back(text.key, plan.*text.field);
    return facts;
}

void writeSamples(std::ostream &out, const RunSheet &sheet)
{
    for (std::size_t i = 0; i < sheet.lines.size(); ++i) {
        const SheetLine &l = sheet.lines[i];
        const std::string head = sheet.run + ',' + std::to_string(i + 1) + ',' + l.point + ',' + l.direction + ',' +
                                 (l.referenceFromNominal ? "nominal" : "typed") + ',';
        const auto take = [&](const std::vector<std::string> &samples, std::size_t number, const char *status) {
            for (std::size_t k = 0; k < samples.size(); ++k)
                out << head << number << ',' << k + 1 << ',' << samples[k] << ',' << status << '\n';
        };
        for (std::size_t t = 0; t < l.discarded.size(); ++t)
            take(l.discarded[t], t + 1, "discarded");
        take(l.samples, l.discarded.size() + 1, l.takenEarly ? kKeptEarly : "kept");
    }
    writeZeroSamples(out, sheet);
}

} // namespace

namespace {

// A point line's columns after run, address, type and id, in the header's
// order; the older header ends after `result`.
constexpr std::string SheetLine::*kLineColumns[] = {
    &SheetLine::point,  &SheetLine::direction, &SheetLine::nominal,    &SheetLine::reference,  &SheetLine::reading,
    &SheetLine::spread, &SheetLine::error,     &SheetLine::errorPct,   &SheetLine::result,     &SheetLine::expanded,
    &SheetLine::tur,    &SheetLine::maReading, &SheetLine::maExpected, &SheetLine::maErrorPct, &SheetLine::maResult};
constexpr std::size_t kFirstLineColumn = 4;

} // namespace

void writeCsv(std::ostream &out, const Certificate &certificate)
{
    out << "# Ortavel verification\n";
    if (!certificate.reportNumber.empty())
        out << "# report: " << oneLine(certificate.reportNumber) << '\n';
    if (!certificate.issued.empty())
        out << "# issued: " << certificate.issued << '\n';
    const Plan &plan = certificate.plan;
    for (const TextFact &text : kReportTexts)
        out << "# " << text.key << ": " << oneLine(plan.*text.field) << '\n';
    for (const RunSheet *sheet : certificate.runs()) {
        for (const auto &[key, value] : runFacts(*sheet))
            out << "# " << runKey(sheet->run) << '.' << key << ": " << oneLine(value) << '\n';
        for (const auto &[key, value] : procedureFacts(*sheet))
            out << "# " << runKey(sheet->run) << '.' << key << ": " << oneLine(value) << '\n';
    }
    out << kCsvHeader << '\n';
    for (const RunSheet *sheet : certificate.runs()) {
        const Identity &id = sheet->identity;
        for (const SheetLine &l : sheet->lines) {
            out << sheet->run << ',' << csvField(id.address) << ',' << csvField(id.type) << ',' << csvField(id.id);
            for (const auto column : kLineColumns)
                out << ',' << l.*column;
            out << '\n';
        }
    }
    out << '\n' << kSamplesHeader << '\n';
    for (const RunSheet *sheet : certificate.runs())
        writeSamples(out, *sheet);
}

namespace {

std::string withoutCr(std::string line)
{
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

// A whole number from low to high; nothing for any other text.
std::optional<int> wholeFact(const std::string &text, int low, int high)
{
    const auto value = isNumberText(text) ? wholeNumber32(readNumber(text)) : std::nullopt;
    return value && *value >= low && *value <= high ? value : std::nullopt;
}

// What the file says of its as-found run, over what its lines give.
void restoreFacts(RunSheet &sheet, const std::map<std::string, std::string> &facts)
{
    const auto fact = [&facts](const std::string &key) -> std::string {
        const auto it = facts.find("as_found." + key);
        return it == facts.end() ? std::string() : it->second;
    };
    Identity &id = sheet.identity;
    id.time = fact("started");
    id.version = fact("version");
    id.temperature = fact("temperature");
    id.range.unit = fact("unit");
    id.range.typed = fact("range_typed") == "yes";
    if (isNumberText(fact("range_low")) && isNumberText(fact("range_high"))) {
        id.range.low = readNumber(fact("range_low"));
        id.range.high = readNumber(fact("range_high"));
    }
    // A file may say anything: a number past int is no count, and converting it would be undefined.
    if (const auto decimals = wholeFact(fact("decimals"), 0, 4))
        id.range.decimals = *decimals;
    Plan &plan = sheet.plan;
    std::string points = fact("points");
    std::replace(points.begin(), points.end(), ';', ',');
    if (const auto list = numberList(points))
        plan.points = *list;
    plan.upDown = fact("updown") == "yes";
    if (isNumberText(fact("tolerance_pct_span"))) {
        plan.tolerancePct = readNumber(fact("tolerance_pct_span"));
        sheet.tolerance = fact("tolerance_pct_span");
    }
    if (const auto samples = wholeFact(fact("samples"), 1, Plan::kMaxSamples))
        plan.samples = *samples;
    for (const TextFact &text : kRunTexts)
        plan.*text.field = fact(text.key);
    plan.overdueAccepted = fact("reference_overdue_accepted") == "yes";
    id.sensorLow = fact("sensor_low");
    id.sensorHigh = fact("sensor_high");
    id.sensorUnit = fact("sensor_unit");
    if (isNumberText(fact("output_low")) && isNumberText(fact("output_high"))) {
        id.outputLow = readNumber(fact("output_low"));
        id.outputHigh = readNumber(fact("output_high"));
    }
    const auto report = [&facts](const char *key) {
        const auto it = facts.find(key);
        return it == facts.end() ? std::string() : it->second;
    };
    for (const TextFact &text : kReportTexts)
        plan.*text.field = report(text.key);
    plan.referenceUncertainty = parseReferenceUncertainty(fact("reference_uncertainty"));
    plan.decision = decisionRuleFromName(fact("decision_rule")).value_or(DecisionRule::Simple);
    restoreProcedureFacts(sheet, fact);
}

// Reading less reference is the error the line states, to its last digit.
bool sumsHold(const SheetLine &l)
{
    if (l.reading.empty())
        return true;
    const std::size_t point = l.error.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(l.error.size() - point - 1);
    return fixedText(readNumber(l.reading) - readNumber(l.reference), decimals) == l.error;
}

} // namespace

std::optional<RunSheet> readAsFoundCsv(std::istream &in, std::string &error)
{
    std::string line;
    std::map<std::string, std::string> facts;
    int number = 0;
    // The facts in comment lines, then the header.
    while (std::getline(in, line)) {
        ++number;
        line = withoutCr(line);
        if (line.rfind("# ", 0) != 0)
            break;
        const std::size_t colon = line.find(": ");
        if (colon != std::string::npos)
            facts[line.substr(2, colon - 2)] = line.substr(colon + 2);
    }
    if (line != kCsvHeader && line != kCsvHeaderWithoutUncertainty) {
        error = "not a verification CSV (no header line)";
        return std::nullopt;
    }
    const std::size_t columns = line == kCsvHeader ? kColumns : kOldColumns;
    RunSheet sheet;
    sheet.run = kAsFound;
    while (std::getline(in, line)) {
        ++number;
        line = withoutCr(line);
        if (line.empty())
            break;
        const std::vector<std::string> f = fields(line);
        if (f.size() != columns) {
            error = "line " + std::to_string(number) + " has not " + std::to_string(columns) + " fields";
            return std::nullopt;
        }
        if (f[0] != kAsFound)
            continue;
        SheetLine l;
        for (std::size_t c = kFirstLineColumn; c < columns; ++c)
            l.*kLineColumns[c - kFirstLineColumn] = f[c];
        const auto result = resultOfName(l.result);
        const bool known = result.has_value();
        const bool unread = !known || !isJudged(*result);
        const bool numbers = isNumberText(l.point) && isNumberText(l.nominal) && isNumberText(l.reference) &&
                             (unread || (isNumberText(l.reading) && isNumberText(l.error) && isNumberText(l.errorPct)));
        if (!known || !numbers || (l.direction != "up" && l.direction != "down")) {
            error = "line " + std::to_string(number) + " is no point of a run";
            return std::nullopt;
        }
        if (!sumsHold(l)) {
            error = "line " + std::to_string(number) + ": its reading less its reference is not its error";
            return std::nullopt;
        }
        if (sheet.lines.empty())
            sheet.identity = Identity{f[1], f[2], f[3], {}, {}, {}, {}};
        else if (f[1] != sheet.identity.address || f[2] != sheet.identity.type || f[3] != sheet.identity.id) {
            error = "line " + std::to_string(number) + " is of another transmitter";
            return std::nullopt;
        }
        sheet.lines.push_back(l);
    }
    if (sheet.lines.empty()) {
        error = "the file holds no as-found run";
        return std::nullopt;
    }
    // Every sample, by point: kept ones to the point, discarded takes apart.
    if (std::getline(in, line) && withoutCr(line) == kSamplesHeader) {
        while (std::getline(in, line)) {
            const std::vector<std::string> f = fields(withoutCr(line));
            if (f.size() != 9 || f[0] != kAsFound || !isNumberText(f[1]) || !isNumberText(f[5]))
                continue;
            const auto index = static_cast<std::size_t>(readNumber(f[1]));
            if (index < 1 || index > sheet.lines.size())
                continue;
            SheetLine &l = sheet.lines[index - 1];
            l.referenceFromNominal = f[4] == "nominal";
            if (f[8] == "kept" || f[8] == kKeptEarly) {
                l.samples.push_back(f[7]);
                l.takenEarly = f[8] == kKeptEarly;
            } else {
                const auto take = static_cast<std::size_t>(readNumber(f[5]));
                if (take >= 1 && take <= 1000) {
                    l.discarded.resize(std::max(l.discarded.size(), take));
                    l.discarded[take - 1].push_back(f[7]);
                }
            }
        }
    }
    restoreFacts(sheet, facts);
    sheet.verdict = verdictOfLines(sheet.lines);
    for (const SheetLine &l : sheet.lines) {
        if (!l.maResult.empty())
            sheet.currentVerdict =
                l.maResult == "pass" && sheet.currentVerdict != Verdict::Fail ? Verdict::Pass : Verdict::Fail;
    }
    // Hysteresis from the errors of both directions at one nominal.
    std::map<std::string, double> upErrors;
    for (const SheetLine &l : sheet.lines) {
        if (l.direction == "up" && !l.error.empty())
            upErrors[l.nominal] = readNumber(l.errorPct);
    }
    for (const SheetLine &l : sheet.lines) {
        if (l.direction != "down")
            continue;
        const auto up = upErrors.find(l.nominal);
        sheet.hysteresis.push_back(
            {l.nominal, up == upErrors.end() || l.error.empty()
                            ? std::string("-")
                            : fixedText(std::fabs(up->second - readNumber(l.errorPct)), kPctDecimals)});
    }
    return sheet;
}

} // namespace ortavel::verify
