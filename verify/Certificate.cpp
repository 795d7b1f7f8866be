#include "Certificate.h"

#include "link/Numbers.h"

#include <cmath>
#include <map>
#include <sstream>

namespace ortavel::verify {

namespace {

constexpr int kPctDecimals = 2;
constexpr int kColumns = 13;

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

Verdict verdictOfLines(const std::vector<SheetLine> &lines)
{
    bool failed = false;
    for (const SheetLine &line : lines) {
        if (line.result == resultName(PointResult::NotRead))
            return Verdict::Incomplete;
        failed = failed || line.result == resultName(PointResult::Fail);
    }
    return failed ? Verdict::Fail : Verdict::Pass;
}

} // namespace

RunSheet sheetOf(const Run &run, const std::string &name)
{
    RunSheet sheet;
    sheet.run = name;
    sheet.identity = run.identity();
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
        line.reference = range.text(point.reference);
        line.result = resultName(figures.result);
        if (figures.result != PointResult::NotRead) {
            line.reading = range.text(figures.reading);
            line.spread = range.text(figures.spread);
            line.error = range.text(figures.error);
            line.errorPct = fixedText(figures.errorPct, kPctDecimals);
            line.unstable = figures.unstable;
        }
        sheet.lines.push_back(line);
    }
    sheet.verdict = run.verdict();
    for (const Hysteresis &h : run.hysteresis())
        sheet.hysteresis.push_back({range.text(h.nominal), h.pctOfSpan ? fixedText(*h.pctOfSpan, kPctDecimals) : "-"});
    return sheet;
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

std::optional<std::string> joinProblem(const Identity &asFound, const Identity &asLeft)
{
    if (asFound.sameTransmitter(asLeft))
        return std::nullopt;
    return "the as-found run was of another transmitter (address " + asFound.address + ", type " + asFound.type +
           ", id " + asFound.id + "); this one is address " + asLeft.address + ", type " + asLeft.type + ", id " +
           asLeft.id;
}

void writeCsv(std::ostream &out, const Certificate &certificate)
{
    out << kCsvHeader << '\n';
    for (const RunSheet *sheet : certificate.runs()) {
        const Identity &id = sheet->identity;
        for (const SheetLine &l : sheet->lines) {
            out << sheet->run << ',' << csvField(id.address) << ',' << csvField(id.type) << ',' << csvField(id.id)
                << ',' << l.point << ',' << l.direction << ',' << l.nominal << ',' << l.reference << ',' << l.reading
                << ',' << l.spread << ',' << l.error << ',' << l.errorPct << ',' << l.result << '\n';
        }
    }
}

std::optional<RunSheet> readAsFoundCsv(std::istream &in, std::string &error)
{
    std::string line;
    if (!std::getline(in, line) ||
        (line.empty() ? line : line.substr(0, line.find_last_not_of('\r') + 1)) != kCsvHeader) {
        error = "not a verification CSV (its first line is not the header)";
        return std::nullopt;
    }
    RunSheet sheet;
    sheet.run = kAsFound;
    int number = 1;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        const std::vector<std::string> f = fields(line);
        if (f.size() != kColumns) {
            error = "line " + std::to_string(number) + " has not 13 fields";
            return std::nullopt;
        }
        if (f[0] != kAsFound)
            continue;
        SheetLine l{f[4], f[5], f[6], f[7], f[8], f[9], f[10], f[11], f[12], false};
        const bool unread = l.result == resultName(PointResult::NotRead);
        const bool known =
            unread || l.result == resultName(PointResult::Pass) || l.result == resultName(PointResult::Fail);
        const bool numbers = isNumberText(l.point) && isNumberText(l.nominal) && isNumberText(l.reference) &&
                             (unread || (isNumberText(l.reading) && isNumberText(l.error) && isNumberText(l.errorPct)));
        if (!known || !numbers || (l.direction != "up" && l.direction != "down")) {
            error = "line " + std::to_string(number) + " is no point of a run";
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
    sheet.verdict = verdictOfLines(sheet.lines);
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
