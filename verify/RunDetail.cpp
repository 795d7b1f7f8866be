#include "RunDetail.h"

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
           ",\"expandedUncertainty\":" + (read ? jsonNumber(figures.budget.expanded) : "null") + "}";
}

} // namespace

std::string runDetailJson(const Run &run, const std::vector<FileDigest> &files)
{
    std::string json = "{\"plan\":" + planJson(run) + ",\"points\":[";
    for (int i = 0; i < static_cast<int>(run.points().size()); ++i)
        json += (i == 0 ? "" : ",") + pointJson(run, i);
    json += "],\"files\":[";
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
