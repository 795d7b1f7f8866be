#include "ProcedureSheet.h"

#include "Procedure.h"
#include "link/Numbers.h"
#include "text/OperatorText.h"

#include <algorithm>
#include <cmath>

namespace ortavel::verify {

namespace {

constexpr int kFigurePctDecimals = 2;

struct CharacteristicKind {
    const char *key;
    const char *name;
};

constexpr CharacteristicKind kRepeatability{"repeatability_b", OT_TR("Ortavel", "Repeatability b")};
constexpr CharacteristicKind kHysteresis{"hysteresis_h", OT_TR("Ortavel", "Hysteresis h")};
constexpr CharacteristicKind kZeroDeviation{"zero_deviation_f0", OT_TR("Ortavel", "Zero deviation f0")};
constexpr CharacteristicKind kLinearity{"linearity", OT_TR("Ortavel", "Linearity")};
constexpr CharacteristicKind kKinds[] = {kRepeatability, kHysteresis, kZeroDeviation, kLinearity};

std::string zeroName(const SheetZero &z)
{
    return "M" + std::to_string(z.series) + (z.before ? " before" : " after");
}

} // namespace

void addProcedureFigures(RunSheet &sheet, const Run &run)
{
    const Range &range = run.identity().range;
    sheet.method = procedureTitle(run.plan().procedure);
    const int decimals = range.decimals + 1;
    for (std::size_t i = 0; i < sheet.lines.size() && i < run.points().size(); ++i)
        sheet.lines[i].takenEarly = run.points()[i].takenEarly;
    for (const RunStep &step : run.steps()) {
        if (step.step.kind == StepKind::Preload) {
            ++sheet.preloads;
            sheet.preloadsConfirmed += step.confirmed ? 1 : 0;
            continue;
        }
        if (step.step.kind != StepKind::Zero)
            continue;
        const Point &p = run.zeros()[static_cast<std::size_t>(step.record)];
        SheetZero zero{step.step.series, step.step.zeroBefore, {}, {}, p.skipped, p.takenEarly, {}, {}};
        const auto texts = [decimals](const std::vector<double> &values) {
            std::vector<std::string> out;
            out.reserve(values.size());
            for (const double value : values)
                out.push_back(fixedText(value, decimals));
            return out;
        };
        zero.samples = texts(p.samples);
        for (const auto &take : p.discarded)
            zero.discarded.push_back(texts(take));
        if (const auto mean = run.zeroReading(step.record)) {
            const auto [low, high] = std::minmax_element(p.samples.begin(), p.samples.end());
            zero.reading = fixedText(*mean, decimals);
            zero.spread = fixedText(*high - *low, decimals);
        }
        sheet.zeros.push_back(zero);
    }
    const Reported reported = reportedBy(run.plan().procedure, run.plan().upDown);
    const Characteristics c = run.characteristics();
    const double width = std::fabs(range.span());
    const auto add = [&](bool wanted, const CharacteristicKind &kind, const std::optional<double> &value) {
        if (!wanted)
            return;
        SheetCharacteristic line{kind.key, kind.name, "-", "-"};
        if (value && width > 0) {
            line.value = fixedText(*value, decimals);
            line.pctOfSpan = fixedText(*value / width * 100.0, kFigurePctDecimals);
        }
        sheet.characteristics.push_back(line);
    };
    add(reported.repeatability, kRepeatability, c.maxRepeatability);
    add(reported.hysteresis, kHysteresis, c.maxHysteresis);
    add(reported.zeroDeviation, kZeroDeviation, c.zeroDeviation);
    add(reported.linearity, kLinearity, c.linearity);
}

std::string characteristicText(const SheetCharacteristic &c, const std::string &unit)
{
    if (c.value == "-")
        return fill(OT_TR("Ortavel", "%1: - (a reading is missing)"), {c.name});
    return fill(OT_TR("Ortavel", "%1: %2 %3 (%4 % of span)"), {c.name, c.value, unit, c.pctOfSpan});
}

std::vector<std::pair<std::string, std::string>> procedureFacts(const RunSheet &sheet)
{
    std::vector<std::pair<std::string, std::string>> facts{
        {"procedure", std::string(procedureName(sheet.plan.procedure))},
        {"procedure_title", std::string(procedureTitle(sheet.plan.procedure))},
        {"dwell_seconds", std::to_string(sheet.plan.dwellSeconds)},
        {"preloads", std::to_string(sheet.preloadsConfirmed) + " of " + std::to_string(sheet.preloads)}};
    std::string zeros;
    for (const SheetZero &z : sheet.zeros)
        zeros += (zeros.empty() ? "" : "; ") + zeroName(z) + " " +
                 (z.skipped           ? "skipped"
                  : z.reading.empty() ? "not read"
                                      : z.reading);
    facts.emplace_back("zero_readings", zeros);
    for (const SheetCharacteristic &c : sheet.characteristics) {
        facts.emplace_back(c.key, c.value);
        facts.emplace_back(c.key + "_pct_span", c.pctOfSpan);
    }
    return facts;
}

void restoreProcedureFacts(RunSheet &sheet, const std::function<std::string(const std::string &key)> &fact)
{
    sheet.plan.procedure = procedureFromName(fact("procedure")).value_or(Procedure::Plan);
    sheet.method = procedureTitle(sheet.plan.procedure);
    const std::string dwell = fact("dwell_seconds");
    const auto seconds = isNumberText(dwell) ? wholeNumber32(readNumber(dwell)) : std::nullopt;
    if (seconds && *seconds >= 0 && *seconds <= Plan::kMaxDwellSeconds)
        sheet.plan.dwellSeconds = *seconds;
    for (const CharacteristicKind &kind : kKinds) {
        const std::string value = fact(kind.key);
        if (!value.empty())
            sheet.characteristics.push_back({kind.key, kind.name, value, fact(std::string(kind.key) + "_pct_span")});
    }
}

void writeZeroSamples(std::ostream &out, const RunSheet &sheet)
{
    for (std::size_t i = 0; i < sheet.zeros.size(); ++i) {
        const SheetZero &z = sheet.zeros[i];
        const std::string head = sheet.run + ",z" + std::to_string(i + 1) + ",0," + zeroName(z) + ",vented,";
        const auto take = [&](const std::vector<std::string> &samples, std::size_t number, const char *status) {
            for (std::size_t k = 0; k < samples.size(); ++k)
                out << head << number << ',' << k + 1 << ',' << samples[k] << ',' << status << '\n';
        };
        for (std::size_t t = 0; t < z.discarded.size(); ++t)
            take(z.discarded[t], t + 1, "discarded");
        take(z.samples, z.discarded.size() + 1, z.takenEarly ? kKeptEarly : "kept");
    }
}

} // namespace ortavel::verify
