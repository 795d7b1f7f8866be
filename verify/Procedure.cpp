#include "Procedure.h"

#include "text/OperatorText.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace ortavel::verify {
namespace {

constexpr Procedure kProcedures[] = {Procedure::Plan, Procedure::DkdA, Procedure::DkdB, Procedure::DkdC,
                                     Procedure::Cg17Basic};

struct SeriesShape {
    Direction direction = Direction::Up;
    std::vector<double> percents; // in the order they are read
};

// A load cycle: a zero reading before series `first`, the series up to `last`, a zero reading after it.
struct Cycle {
    int first = 0;
    int last = 0;
};

struct Shape {
    int preloads = 0;
    std::vector<SeriesShape> series; // series n at index n - 1
    std::vector<Cycle> cycles;
    std::vector<std::vector<int>> repeats;  // series that read the same points the same way round
    bool repeatabilityEverywhere = false;   // one figure for every point
    std::vector<std::pair<int, int>> loops; // an up series and the down series that follows it
};

std::vector<double> evenly(int count)
{
    std::vector<double> percents;
    percents.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        percents.push_back(100.0 * i / (count - 1));
    return percents;
}

std::vector<double> reversed(std::vector<double> percents)
{
    std::reverse(percents.begin(), percents.end());
    return percents;
}

Shape planShape(const std::vector<double> &points, bool upDown)
{
    Shape shape;
    shape.series.push_back({Direction::Up, points});
    if (upDown) {
        // Back down from the point below the top: the top was just read.
        const auto top = points.empty() ? 0 : 1;
        shape.series.push_back({Direction::Down, {points.rbegin() + top, points.rend()}});
        shape.loops.emplace_back(1, 2);
    }
    return shape;
}

// DKD-R 6-1 (03/2014), table of calibration sequences: A (U < 0.1 % FS) 9 points, 3 preloads, M1 up to M4 down;
// B (0.1 to 0.6 %) 9 points, 2 preloads, M1 to M3; C (> 0.6 %) 5 points, 1 preload, M1 and M2. The zero point and
// the top count among the points, and each series reads all of them: the top before and after the hold at full
// scale. EURAMET cg-17 v2.0, 5.2.1 basic procedure (U > 0.2 % FS): once at 6 points up and down; repeatability from
// an increasing series at two points, 0 % and one near the middle of the range, taken three times, the value
// standing for every point. 40 % is that middle point here because 50 % is not one of the six points.
Shape guidelineShape(Procedure p)
{
    const auto up = Direction::Up;
    const auto down = Direction::Down;
    switch (p) {
    case Procedure::DkdA: {
        const auto nine = evenly(9);
        return {3,
                {{up, nine}, {down, reversed(nine)}, {up, nine}, {down, reversed(nine)}},
                {{1, 2}, {3, 4}},
                {{1, 3}, {2, 4}},
                false,
                {{1, 2}, {3, 4}}};
    }
    case Procedure::DkdB: {
        const auto nine = evenly(9);
        return {2, {{up, nine}, {down, reversed(nine)}, {up, nine}}, {{1, 2}, {3, 3}}, {{1, 3}}, false, {{1, 2}}};
    }
    case Procedure::DkdC: {
        const auto five = evenly(5);
        return {1, {{up, five}, {down, reversed(five)}}, {{1, 2}}, {}, false, {{1, 2}}};
    }
    case Procedure::Cg17Basic: {
        const auto six = evenly(6);
        const std::vector<double> repeat{0, 40};
        return {1,
                {{up, six}, {down, reversed(six)}, {up, repeat}, {up, repeat}, {up, repeat}},
                {{1, 2}, {3, 5}},
                {{3, 4, 5}},
                true,
                {{1, 2}}};
    }
    case Procedure::Plan:
        break;
    }
    return {};
}

// The free plan's series as the run had them (series 1 up, 2 down).
Shape shapeFromSeries(const std::vector<SeriesErrors> &all)
{
    Shape shape;
    for (const SeriesErrors &s : all) {
        if (s.series < 1 || s.series > 2)
            continue;
        shape.series.resize(std::max(shape.series.size(), static_cast<std::size_t>(s.series)));
        shape.series[static_cast<std::size_t>(s.series - 1)] = {s.direction, s.percents};
    }
    if (shape.series.size() == 2 && shape.series[1].direction == Direction::Down)
        shape.loops.emplace_back(1, 2);
    return shape;
}

bool samePercent(double a, double b)
{
    return std::fabs(a - b) < 1e-9;
}

const SeriesErrors *findSeries(const std::vector<SeriesErrors> &all, int series)
{
    const auto it =
        std::find_if(all.begin(), all.end(), [series](const SeriesErrors &s) { return s.series == series; });
    return it == all.end() ? nullptr : &*it;
}

struct Reading {
    bool planned = false;
    std::optional<double> error;
};

class Readings {
public:
    Readings(const Shape &shape, const std::vector<SeriesErrors> &all) : m_shape(shape), m_all(all) {}

    Reading at(int series, double percent) const
    {
        Reading reading;
        if (series < 1 || series > static_cast<int>(m_shape.series.size()))
            return reading;
        const auto &planned = m_shape.series[static_cast<std::size_t>(series - 1)].percents;
        reading.planned =
            std::any_of(planned.begin(), planned.end(), [percent](double p) { return samePercent(p, percent); });
        const SeriesErrors *s = findSeries(m_all, series);
        if (!reading.planned || s == nullptr)
            return reading;
        for (std::size_t i = 0; i < std::min(s->percents.size(), s->errors.size()); ++i) {
            if (samePercent(s->percents[i], percent))
                reading.error = s->errors[i];
        }
        return reading;
    }

private:
    const Shape &m_shape;
    const std::vector<SeriesErrors> &m_all;
};

// A figure at one point: whether the procedure measures it there, and its value when every reading it needs is in.
struct Figure {
    bool applies = false;
    std::optional<double> value;
};

// The largest of a figure over the points; unknown once one point where it applies lacks it.
class Largest {
public:
    void add(const Figure &figure)
    {
        if (!figure.applies)
            return;
        m_applies = true;
        if (!figure.value)
            m_missing = true;
        else
            m_value = std::max(m_value, *figure.value);
    }
    std::optional<double> value() const
    {
        if (!m_applies || m_missing)
            return std::nullopt;
        return m_value;
    }

private:
    bool m_applies = false;
    bool m_missing = false;
    double m_value = 0;
};

Figure repeatabilityAt(const Shape &shape, const Readings &readings, double percent)
{
    Figure figure;
    bool missing = false;
    double largest = 0;
    for (const auto &group : shape.repeats) {
        std::vector<double> errors;
        bool planned = true;
        for (const int series : group) {
            const Reading r = readings.at(series, percent);
            planned = planned && r.planned;
            if (r.error)
                errors.push_back(*r.error);
        }
        if (!planned)
            continue;
        figure.applies = true;
        if (errors.size() < group.size()) {
            missing = true;
            continue;
        }
        const auto [low, high] = std::minmax_element(errors.begin(), errors.end());
        largest = std::max(largest, *high - *low);
    }
    if (figure.applies && !missing)
        figure.value = largest;
    return figure;
}

Figure hysteresisAt(const Shape &shape, const Readings &readings, double percent)
{
    Figure figure;
    bool missing = false;
    double sum = 0;
    int count = 0;
    for (const auto &[upSeries, downSeries] : shape.loops) {
        const Reading up = readings.at(upSeries, percent);
        const Reading down = readings.at(downSeries, percent);
        if (!up.planned || !down.planned)
            continue;
        figure.applies = true;
        ++count;
        if (up.error && down.error)
            sum += std::fabs(*down.error - *up.error);
        else
            missing = true;
    }
    if (figure.applies && !missing)
        figure.value = sum / count;
    return figure;
}

std::optional<double> meanErrorAt(const Shape &shape, const Readings &readings, double percent)
{
    double sum = 0;
    int count = 0;
    for (int series = 1; series <= static_cast<int>(shape.series.size()); ++series) {
        if (const auto error = readings.at(series, percent).error) {
            sum += *error;
            ++count;
        }
    }
    if (count == 0)
        return std::nullopt;
    return sum / count;
}

std::optional<double> zeroDeviationOf(const Shape &shape, const std::vector<SeriesErrors> &all)
{
    std::optional<double> largest;
    for (const Cycle &cycle : shape.cycles) {
        const SeriesErrors *first = findSeries(all, cycle.first);
        const SeriesErrors *last = findSeries(all, cycle.last);
        if (first == nullptr || last == nullptr || !first->zeroBefore || !last->zeroAfter)
            return std::nullopt;
        largest = std::max(largest.value_or(0), std::fabs(*last->zeroAfter - *first->zeroBefore));
    }
    return largest;
}

std::optional<double> linearityOf(const std::vector<PointCharacteristics> &points)
{
    const auto unread = [](const PointCharacteristics &p) { return !p.meanError; };
    if (points.size() < 2 || std::any_of(points.begin(), points.end(), unread))
        return std::nullopt;
    double meanX = 0;
    double meanY = 0;
    for (const auto &p : points) {
        meanX += p.percent;
        meanY += *p.meanError;
    }
    const auto n = static_cast<double>(points.size());
    meanX /= n;
    meanY /= n;
    double sxx = 0;
    double sxy = 0;
    for (const auto &p : points) {
        sxx += (p.percent - meanX) * (p.percent - meanX);
        sxy += (p.percent - meanX) * (*p.meanError - meanY);
    }
    const double slope = sxy / sxx;
    double largest = 0;
    for (const auto &p : points)
        largest = std::max(largest, std::fabs(*p.meanError - (meanY + slope * (p.percent - meanX))));
    return largest;
}

} // namespace

std::string_view procedureName(Procedure p)
{
    switch (p) {
    case Procedure::Plan:
        return OT_TR("Ortavel", "plan");
    case Procedure::DkdA:
        return "dkd-a";
    case Procedure::DkdB:
        return "dkd-b";
    case Procedure::DkdC:
        return "dkd-c";
    case Procedure::Cg17Basic:
        return "cg17-basic";
    }
    return OT_TR("Ortavel", "plan");
}

std::optional<Procedure> procedureFromName(std::string_view name)
{
    for (const Procedure p : kProcedures) {
        if (procedureName(p) == name)
            return p;
    }
    return std::nullopt;
}

std::string_view procedureTitle(Procedure p)
{
    switch (p) {
    case Procedure::Plan:
        return OT_TR("Ortavel", "Free plan");
    case Procedure::DkdA:
        return OT_TR("Ortavel", "DKD-R 6-1 (03/2014) sequence A");
    case Procedure::DkdB:
        return OT_TR("Ortavel", "DKD-R 6-1 (03/2014) sequence B");
    case Procedure::DkdC:
        return OT_TR("Ortavel", "DKD-R 6-1 (03/2014) sequence C");
    case Procedure::Cg17Basic:
        return OT_TR("Ortavel", "EURAMET cg-17 (v2.0) basic procedure");
    }
    return OT_TR("Ortavel", "Free plan");
}

std::vector<Step> stepsOf(Procedure p, const std::vector<double> &planPoints, bool upDown)
{
    const Shape shape = p == Procedure::Plan ? planShape(planPoints, upDown) : guidelineShape(p);
    std::vector<Step> steps;
    for (int n = 1; n <= shape.preloads; ++n)
        steps.push_back({StepKind::Preload, 0, n, 100.0, Direction::Up, false});
    const auto pointsOf = [&](int series) {
        const SeriesShape &s = shape.series[static_cast<std::size_t>(series - 1)];
        for (const double percent : s.percents)
            steps.push_back({StepKind::Point, series, 0, percent, s.direction, false});
    };
    const auto directionOf = [&](int series) { return shape.series[static_cast<std::size_t>(series - 1)].direction; };
    if (shape.cycles.empty()) {
        for (int series = 1; series <= static_cast<int>(shape.series.size()); ++series)
            pointsOf(series);
    }
    for (const Cycle &cycle : shape.cycles) {
        steps.push_back({StepKind::Zero, cycle.first, 0, 0, directionOf(cycle.first), true});
        for (int series = cycle.first; series <= cycle.last; ++series)
            pointsOf(series);
        steps.push_back({StepKind::Zero, cycle.last, 0, 0, directionOf(cycle.last), false});
    }
    return steps;
}

Reported reportedBy(Procedure p, bool upDown)
{
    const Shape shape = p == Procedure::Plan ? planShape({}, upDown) : guidelineShape(p);
    return {!shape.repeats.empty(), !shape.loops.empty(), !shape.cycles.empty(), true};
}

Characteristics characteristicsOf(Procedure p, const std::vector<SeriesErrors> &series)
{
    const Shape shape = p == Procedure::Plan ? shapeFromSeries(series) : guidelineShape(p);
    const Readings readings(shape, series);

    std::vector<double> percents;
    for (const SeriesShape &s : shape.series)
        percents.insert(percents.end(), s.percents.begin(), s.percents.end());
    std::sort(percents.begin(), percents.end());
    percents.erase(std::unique(percents.begin(), percents.end(), samePercent), percents.end());

    Characteristics result;
    Largest repeatability;
    Largest hysteresis;
    for (const double percent : percents) {
        const Figure b = repeatabilityAt(shape, readings, percent);
        const Figure h = hysteresisAt(shape, readings, percent);
        repeatability.add(b);
        hysteresis.add(h);
        result.points.push_back({percent, meanErrorAt(shape, readings, percent), b.value, h.value});
    }
    result.maxRepeatability = repeatability.value();
    result.maxHysteresis = hysteresis.value();
    if (shape.repeatabilityEverywhere) {
        for (auto &point : result.points)
            point.repeatability = result.maxRepeatability;
    }
    result.zeroDeviation = zeroDeviationOf(shape, series);
    result.linearity = linearityOf(result.points);
    return result;
}

} // namespace ortavel::verify
