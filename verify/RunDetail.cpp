#include "RunDetail.h"

#include "Procedure.h"
#include "history/DetailJson.h"

namespace ortavel::verify {

namespace {

std::string numberArray(const std::vector<double> &numbers)
{
    std::string json = "[";
    for (std::size_t i = 0; i < numbers.size(); ++i)
        json += (i == 0 ? "" : ",") + jsonNumber(numbers[i]);
    return json + "]";
}

std::string planJson(const Run &run)
{
    const Plan &p = run.plan();
    const Range &r = run.identity().range;
    return std::string("{\"points\":") + numberArray(p.points) + ",\"upDown\":" + (p.upDown ? "true" : "false") +
           ",\"tolerancePct\":" + jsonNumber(p.tolerancePct) + ",\"samples\":" + std::to_string(p.samples) +
           ",\"operator\":" + jsonQuoted(p.operatorName) + ",\"instrument\":" + jsonQuoted(p.instrument) +
           ",\"instrumentSerial\":" + jsonQuoted(p.instrumentSerial) +
           ",\"instrumentCertificate\":" + jsonQuoted(p.instrumentCertificate) +
           ",\"instrumentDue\":" + jsonQuoted(p.instrumentDue) +
           ",\"overdueAccepted\":" + (p.overdueAccepted ? "true" : "false") + ",\"referenceUncertainty\":" +
           jsonQuoted(p.referenceUncertainty ? referenceUncertaintyText(*p.referenceUncertainty) : "") +
           ",\"decisionRule\":" + jsonQuoted(decisionRuleName(p.decision)) + ",\"note\":" + jsonQuoted(p.note) +
           ",\"range\":{\"low\":" + jsonNumber(r.low) + ",\"high\":" + jsonNumber(r.high) +
           ",\"unit\":" + jsonQuoted(r.unit) + ",\"typed\":" + (r.typed ? "true" : "false") +
           "},\"started\":" + jsonQuoted(run.identity().time) + "}";
}

std::string pointJson(const Run &run, int index)
{
    const Point &point = run.points()[static_cast<std::size_t>(index)];
    const Figures figures = run.figures(index);
    const bool read = isJudged(figures.result);
    // "skipped" stands for every point without a reading; whether the
    // operator skipped it or a poll failed is told beside it.
    const std::string verdict = read ? std::string(resultName(figures.result)) : "skipped";
    std::string discarded = "[";
    for (std::size_t i = 0; i < point.discarded.size(); ++i)
        discarded += (i == 0 ? "" : ",") + numberArray(point.discarded[i]);
    discarded += "]";
    return "{\"percent\":" + jsonNumber(point.planned.percent) + ",\"nominal\":" + jsonNumber(point.nominal) +
           ",\"direction\":" + jsonQuoted(directionName(point.planned.direction)) +
           ",\"reference\":" + (point.taken ? jsonNumber(point.reference) : "null") +
           ",\"mean\":" + (read ? jsonNumber(figures.reading) : "null") +
           ",\"error\":" + (read ? jsonNumber(figures.error) : "null") + ",\"verdict\":" + jsonQuoted(verdict) +
           ",\"samples\":" + numberArray(point.samples) + ",\"discarded\":" + discarded +
           ",\"referenceFrom\":" + jsonQuoted(point.referenceFromNominal() ? "nominal" : "typed") +
           ",\"skippedByOperator\":" + (point.skipped ? "true" : "false") +
           ",\"expandedUncertainty\":" + (read ? jsonNumber(figures.budget.expanded) : "null") +
           ",\"series\":" + std::to_string(point.series) + ",\"takenEarly\":" + (point.takenEarly ? "true" : "false") +
           "}";
}

std::string optionalNumber(const std::optional<double> &value)
{
    return value ? jsonNumber(*value) : "null";
}

// The procedure, its preloads and zero readings, and what it reports (pressure unit; null where not measured).
std::string procedureJson(const Run &run)
{
    int preloads = 0;
    int confirmed = 0;
    std::string zeros = "[";
    for (const RunStep &step : run.steps()) {
        if (step.step.kind == StepKind::Preload) {
            ++preloads;
            confirmed += step.confirmed ? 1 : 0;
        } else if (step.step.kind == StepKind::Zero) {
            const Point &p = run.zeros()[static_cast<std::size_t>(step.record)];
            zeros += (zeros.size() == 1 ? "" : ",") + std::string("{\"series\":") + std::to_string(step.step.series) +
                     ",\"before\":" + (step.step.zeroBefore ? "true" : "false") +
                     ",\"mean\":" + optionalNumber(run.zeroReading(step.record)) +
                     ",\"samples\":" + numberArray(p.samples) + ",\"skipped\":" + (p.skipped ? "true" : "false") +
                     ",\"takenEarly\":" + (p.takenEarly ? "true" : "false") + "}";
        }
    }
    const Characteristics c = run.characteristics();
    const Reported reported = reportedBy(run.plan().procedure, run.plan().upDown);
    const auto figure = [](bool wanted, const std::optional<double> &value) {
        return wanted ? optionalNumber(value) : std::string("null");
    };
    return "{\"name\":" + jsonQuoted(procedureName(run.plan().procedure)) +
           ",\"dwellSeconds\":" + std::to_string(run.plan().dwellSeconds) +
           ",\"preloads\":" + std::to_string(preloads) + ",\"preloadsConfirmed\":" + std::to_string(confirmed) +
           ",\"zeros\":" + zeros + "],\"repeatability\":" + figure(reported.repeatability, c.maxRepeatability) +
           ",\"hysteresis\":" + figure(reported.hysteresis, c.maxHysteresis) +
           ",\"zeroDeviation\":" + figure(reported.zeroDeviation, c.zeroDeviation) +
           ",\"linearity\":" + figure(reported.linearity, c.linearity) + "}";
}

} // namespace

std::string runDetailJson(const Run &run, const std::vector<FileDigest> &files)
{
    std::string json = "{\"plan\":" + planJson(run) + ",\"points\":[";
    for (int i = 0; i < static_cast<int>(run.points().size()); ++i)
        json += (i == 0 ? "" : ",") + pointJson(run, i);
    json += "],\"procedure\":" + procedureJson(run);
    json += ",\"files\":[";
    for (std::size_t i = 0; i < files.size(); ++i) {
        json += (i == 0 ? "" : ",") + std::string("{\"path\":") + jsonQuoted(files[i].path) +
                ",\"sha256\":" + jsonQuoted(files[i].sha256) + "}";
    }
    return json + "]}";
}

std::string runVerdictText(const Run &run)
{
    return run.verdict() == Verdict::Pass ? "pass" : "fail";
}

} // namespace ortavel::verify
