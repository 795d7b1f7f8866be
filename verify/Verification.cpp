#include "Verification.h"

#include "link/Commands.h"
#include "link/Numbers.h"
#include "text/OperatorText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace ortavel::verify {

namespace {

// A result of the transmitter with its number, or nothing for a failed
// answer, a reply of another address or data that is no number.
std::optional<double> numberOf(const std::string &result, const std::string &address)
{
    if (!isReplyFrom(result, address))
        return std::nullopt;
    const std::string data = replyData(result);
    return isNumberText(data) ? numberAtStart(data) : std::nullopt;
}

// Sums and differences of typed and read values carry binary noise far
// below any decimal shown; the tolerance is met at its exact figure.
constexpr double kSlack = 1e-9;

} // namespace

std::string_view directionName(Direction direction)
{
    return direction == Direction::Up ? OT_TR("Ortavel", "up") : OT_TR("Ortavel", "down");
}

std::string_view resultName(PointResult result)
{
    switch (result) {
    case PointResult::Pass:
        return OT_TR("Ortavel", "pass");
    case PointResult::Fail:
        return OT_TR("Ortavel", "fail");
    case PointResult::Skipped:
        return OT_TR("Ortavel", "skipped");
    case PointResult::ConditionalPass:
        return OT_TR("Ortavel", "conditional pass");
    case PointResult::ConditionalFail:
        return OT_TR("Ortavel", "conditional fail");
    case PointResult::NotRead:
        break;
    }
    return OT_TR("Ortavel", "not read");
}

std::string_view verdictName(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Pass:
        return OT_TR("Ortavel", "PASS");
    case Verdict::Fail:
        return OT_TR("Ortavel", "FAIL");
    case Verdict::ConditionalPass:
        return OT_TR("Ortavel", "CONDITIONAL PASS");
    case Verdict::Incomplete:
        break;
    }
    return OT_TR("Ortavel", "INCOMPLETE");
}

bool isJudged(PointResult result)
{
    return result != PointResult::NotRead && result != PointResult::Skipped;
}

Verdict verdictOf(const std::vector<PointResult> &results)
{
    bool failed = false;
    bool conditional = false;
    for (const PointResult result : results) {
        if (!isJudged(result))
            return Verdict::Incomplete;
        failed = failed || result == PointResult::Fail || result == PointResult::ConditionalFail;
        conditional = conditional || result == PointResult::ConditionalPass;
    }
    return failed ? Verdict::Fail : conditional ? Verdict::ConditionalPass : Verdict::Pass;
}

std::optional<std::vector<std::string>> numberTexts(const std::string &text)
{
    std::vector<std::string> numbers;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        std::string part = text.substr(start, comma - start);
        if (!isNumberText(part))
            return std::nullopt;
        part.erase(0, part.find_first_not_of(" \t"));
        part.erase(part.find_last_not_of(" \t") + 1);
        numbers.push_back(part);
        start = comma + 1;
    }
    return numbers;
}

std::optional<std::vector<double>> numberList(const std::string &text)
{
    const auto texts = numberTexts(text);
    if (!texts)
        return std::nullopt;
    std::vector<double> numbers;
    for (const std::string &number : *texts)
        numbers.push_back(readNumber(number));
    return numbers;
}

int decimalsOf(const std::string &numberText)
{
    const std::size_t exponentAt = numberText.find_first_of("eE");
    const std::string mantissa = numberText.substr(0, exponentAt);
    const std::size_t point = mantissa.find('.');
    int decimals = 0;
    if (point != std::string::npos)
        decimals = static_cast<int>(
            mantissa.find_last_of("0123456789") + 1 > point ? mantissa.find_last_of("0123456789") - point : 0);
    if (exponentAt != std::string::npos) {
        const auto exponent = numberAtStart(numberText.substr(exponentAt + 1));
        decimals -= exponent ? static_cast<int>(*exponent) : 0;
    }
    // Beyond what a double carries, digits are noise.
    return std::clamp(decimals, 0, 9);
}

std::optional<std::string> isoDate(const std::string &text)
{
    std::string date = text;
    date.erase(0, date.find_first_not_of(" \t"));
    date.erase(date.find_last_not_of(" \t") + 1);
    if (date.size() != 10 || date[4] != '-' || date[7] != '-')
        return std::nullopt;
    for (const std::size_t i : {0U, 1U, 2U, 3U, 5U, 6U, 8U, 9U}) {
        if (date[i] < '0' || date[i] > '9')
            return std::nullopt;
    }
    const int year = std::stoi(date.substr(0, 4));
    const int month = std::stoi(date.substr(5, 2));
    const int day = std::stoi(date.substr(8, 2));
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const std::array<int, 12> days{31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12 || day < 1 || day > days[static_cast<std::size_t>(month - 1)])
        return std::nullopt;
    return date;
}

std::string fixedText(double value, int decimals)
{
    std::array<char, 64> buffer{};
    const auto [end, failure] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
    if (failure != std::errc())
        return "?";
    std::string text(buffer.data(), end);
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return text;
}

std::optional<std::string> Plan::problem() const
{
    if (points.empty())
        return OT_TR("Ortavel", "the plan has no points");
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (!std::isfinite(points[i]) || points[i] < 0 || points[i] > 100)
            return OT_TR("Ortavel", "points lie from 0 to 100 % of the range");
        if (i > 0 && points[i] <= points[i - 1])
            return OT_TR("Ortavel", "points must increase");
    }
    if (!std::isfinite(tolerancePct) || tolerancePct <= 0)
        return OT_TR("Ortavel", "the tolerance must be above 0");
    if (samples < 1 || samples > kMaxSamples)
        return OT_TR("Ortavel", "samples per point lie from 1 to 100");
    if (dwellSeconds < 0 || dwellSeconds > kMaxDwellSeconds)
        return OT_TR("Ortavel", "the dwell lies from 0 to 3600 s");
    if (!instrumentDue.empty() && !isoDate(instrumentDue))
        return OT_TR("Ortavel", "the reference's due date is written YYYY-MM-DD");
    return std::nullopt;
}

bool Plan::referenceOverdue(const std::string &time) const
{
    const auto due = isoDate(instrumentDue);
    // ISO dates compare as text.
    return due && time.size() >= 10 && *due < time.substr(0, 10);
}

std::vector<PlannedPoint> Plan::sequence() const
{
    std::vector<PlannedPoint> sequence;
    for (const double percent : points)
        sequence.push_back({percent, Direction::Up});
    if (upDown) {
        for (auto it = points.rbegin() + 1; it < points.rend(); ++it)
            sequence.push_back({*it, Direction::Down});
    }
    return sequence;
}

bool Identity::sameTransmitter(const Identity &other) const
{
    const bool versionsDiffer = !version.empty() && !other.version.empty() && version != other.version;
    return address == other.address && type == other.type && id == other.id && !versionsDiffer;
}

Figures figuresOf(const Point &point, const Range &range, const Plan &plan)
{
    Figures figures;
    figures.decimals = std::max(range.decimals + 1, point.referenceDecimals);
    const double span = range.span();
    if (point.skipped) {
        figures.result = PointResult::Skipped;
        return figures;
    }
    if (point.failedPoll || point.samples.empty() || span == 0)
        return figures;
    const auto [lowest, highest] = std::minmax_element(point.samples.begin(), point.samples.end());
    double sum = 0;
    for (const double sample : point.samples)
        sum += sample;
    const double width = std::fabs(span);
    figures.reading = sum / static_cast<double>(point.samples.size());
    figures.spread = *highest - *lowest;
    figures.error = figures.reading - point.reference;
    figures.errorPct = figures.error / width * 100.0;
    const double tolerance = plan.tolerancePct / 100.0 * width;
    figures.budget = budgetOf(point.samples, point.reference, range.decimals, plan.referenceUncertainty, tolerance);
    switch (decide(plan.decision, figures.error, tolerance, figures.budget.expanded)) {
    case Decision::Pass:
        figures.result = PointResult::Pass;
        break;
    case Decision::ConditionalPass:
        figures.result = PointResult::ConditionalPass;
        break;
    case Decision::ConditionalFail:
        figures.result = PointResult::ConditionalFail;
        break;
    case Decision::Fail:
        figures.result = PointResult::Fail;
        break;
    }
    figures.unstable = figures.spread / width * 100.0 > plan.tolerancePct / 4.0 + kSlack;
    return figures;
}

std::optional<CurrentCheck> currentOf(const Point &point, const Identity &identity, double tolerancePct)
{
    if (!point.currentMa || !identity.outputLow || !identity.outputHigh)
        return std::nullopt;
    // The applied pressure is what the reference read.
    return currentCheck(*point.currentMa, point.reference, *identity.outputLow, *identity.outputHigh, tolerancePct);
}

Run::Run(Plan plan, Identity identity) : m_plan(std::move(plan)), m_identity(std::move(identity))
{
    buildSteps();
}

int Run::current() const
{
    const auto it = std::find_if(m_points.begin(), m_points.end(), [](const Point &p) { return !p.taken; });
    return static_cast<int>(it - m_points.begin());
}

void Run::addSample(int index, const std::string &result)
{
    Point &p = point(index);
    if (const auto value = numberOf(result, m_identity.address))
        p.samples.push_back(*value);
    else
        p.failedPoll = true;
}

void Run::addStepSample(int step, const std::string &result)
{
    Point *p = reading(step);
    if (p == nullptr)
        return;
    if (const auto value = numberOf(result, m_identity.address))
        p->samples.push_back(*value);
    else
        p->failedPoll = true;
}

bool Run::setReference(int index, const std::string &typed)
{
    Point &p = point(index);
    if (typed.find_first_not_of(" \t") == std::string::npos) {
        p.reference = p.nominal;
        p.referenceDecimals = -1;
        return true;
    }
    if (!isNumberText(typed))
        return false;
    p.reference = readNumber(typed);
    p.referenceDecimals = decimalsOf(typed);
    return true;
}

void Run::clearPoint(int index)
{
    Point &p = point(index);
    p.samples.clear();
    p.failedPoll = false;
    p.taken = false;
    p.skipped = false;
    p.takenEarly = false;
}

void Run::repeatPoint(int index)
{
    Point &p = point(index);
    if (p.taken && !p.skipped)
        p.discarded.push_back(p.samples);
    clearPoint(index);
}

void Run::skipPoint(int index)
{
    clearPoint(index);
    point(index).skipped = true;
    point(index).taken = true;
}

Figures Run::figures(int index) const
{
    const Point &point = m_points.at(static_cast<std::size_t>(index));
    Figures figures = figuresOf(point, m_identity.range, m_plan);
    if (point.taken && !point.skipped)
        figures.current = currentOf(point, m_identity, m_plan.tolerancePct);
    return figures;
}

std::optional<Verdict> Run::currentVerdict() const
{
    bool any = false;
    bool failed = false;
    for (int i = 0; i < static_cast<int>(m_points.size()); ++i) {
        if (const auto current = figures(i).current) {
            any = true;
            failed = failed || !current->pass;
        }
    }
    if (!any)
        return std::nullopt;
    return failed ? Verdict::Fail : Verdict::Pass;
}

Verdict Run::verdict() const
{
    std::vector<PointResult> results;
    results.reserve(m_points.size());
    for (int i = 0; i < static_cast<int>(m_points.size()); ++i)
        results.push_back(figures(i).result);
    return verdictOf(results);
}

std::vector<Hysteresis> Run::hysteresis() const
{
    std::vector<Hysteresis> rows;
    const double width = std::fabs(m_identity.range.span());
    for (int down = 0; down < static_cast<int>(m_points.size()); ++down) {
        const Point &d = m_points[static_cast<std::size_t>(down)];
        if (d.planned.direction != Direction::Down)
            continue;
        Hysteresis row{d.planned.percent, d.nominal, std::nullopt};
        for (int up = 0; up < static_cast<int>(m_points.size()); ++up) {
            const Point &u = m_points[static_cast<std::size_t>(up)];
            if (u.planned.direction != Direction::Up || u.planned.percent != d.planned.percent)
                continue;
            const Figures fu = figures(up);
            const Figures fd = figures(down);
            if (isJudged(fu.result) && isJudged(fd.result) && width > 0)
                row.pctOfSpan = std::fabs(fu.error - fd.error) / width * 100.0;
        }
        rows.push_back(row);
    }
    return rows;
}

IdentityRead readIdentity(const Ask &ask, const std::string &address,
                          const std::function<std::string(int code)> &unitName, const std::string &time)
{
    IdentityRead read;
    Identity &identity = read.identity;
    identity.address = address;
    identity.time = time;
    const auto text = [&ask, &address](std::string_view letters) {
        const std::string result = ask(std::string(letters));
        return isReplyFrom(result, address) ? replyData(result) : shownResult(result);
    };
    const auto numberOfReply = [&ask, &address](std::string_view letters) {
        return numberOf(ask(std::string(letters)), address);
    };
    identity.type = text(cmd::Type);
    identity.id = text(cmd::Ident);
    identity.version = text(cmd::Version);
    const auto low = numberOfReply(cmd::DisplayZero);
    const auto high = numberOfReply(cmd::DisplayFull);
    const auto unit = numberOfReply(cmd::Unit);
    const auto decimals = numberOfReply(cmd::Decimals);
    identity.temperature = text(cmd::Temperature);
    identity.sensorLow = text(cmd::RangeLow);
    identity.sensorHigh = text(cmd::RangeHigh);
    const auto sensorUnit = numberOfReply(cmd::RangeUnit);
    const auto sensorUnitCode = sensorUnit ? wholeNumber32(*sensorUnit) : std::nullopt;
    identity.sensorUnit = sensorUnitCode ? unitName(*sensorUnitCode) : std::string();
    identity.outputLow = numberOfReply(cmd::Output4mA);
    identity.outputHigh = numberOfReply(cmd::Output20mA);
    const auto unitCode = unit ? wholeNumber32(*unit) : std::nullopt;
    identity.range.unit = unitCode ? unitName(*unitCode) : std::string();
    const auto dp = decimals ? wholeNumber32(*decimals) : std::nullopt;
    // Without its decimals the range still serves; the pressures show three.
    identity.range.decimals = dp && *dp >= 0 && *dp <= 4 ? *dp : 3;
    if (!low || !high)
        read.rangeProblem = std::string(OT_TR("Ortavel", "the display range (DL, DH) could not be read"));
    else if (*low == *high)
        read.rangeProblem = std::string(OT_TR("Ortavel", "the display range is empty (DL equals DH)"));
    else {
        identity.range.low = *low;
        identity.range.high = *high;
    }
    return read;
}

std::string localTimeText()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
    std::array<char, 32> date{};
    std::strftime(date.data(), date.size(), "%Y-%m-%d %H:%M:%S", &local);
    // Windows' %z is the zone's name: the offset is local time less UTC,
    // the UTC fields read back as local time with the same daylight flag.
    std::tm utc{};
    gmtime_s(&utc, &now);
    utc.tm_isdst = local.tm_isdst;
    const auto offsetMinutes = static_cast<long>(std::difftime(now, std::mktime(&utc))) / 60;
    const long magnitude = offsetMinutes < 0 ? -offsetMinutes : offsetMinutes;
    std::array<char, 16> zone{};
    std::snprintf(zone.data(), zone.size(), "%c%02ld:%02ld", offsetMinutes < 0 ? '-' : '+', magnitude / 60,
                  magnitude % 60);
    return std::string(date.data()) + ' ' + zone.data();
#else
    localtime_r(&now, &local);
    std::array<char, 32> date{};
    std::array<char, 16> zone{};
    std::strftime(date.data(), date.size(), "%Y-%m-%d %H:%M:%S", &local);
    // +0100 reads better as +01:00.
    if (std::strftime(zone.data(), zone.size(), "%z", &local) == 5) {
        zone[5] = zone[4];
        zone[4] = zone[3];
        zone[3] = ':';
    }
    return std::string(date.data()) + ' ' + zone.data();
#endif
}

} // namespace ortavel::verify
