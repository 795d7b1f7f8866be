#include "TrendRecorder.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <ostream>

namespace ortavel {

namespace {

constexpr double kGap = std::numeric_limits<double>::quiet_NaN();

void widen(Extremes &extremes, double value)
{
    if (!extremes.low || value < *extremes.low)
        extremes.low = value;
    if (!extremes.high || value > *extremes.high)
        extremes.high = value;
}

std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

std::string timeText(double seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", seconds);
    return text;
}

// Adds a point to the open segment, opening one when there is none.
void extend(std::vector<TrendSegment> &segments, bool &open, TrendPoint point)
{
    if (!open) {
        segments.emplace_back();
        open = true;
    }
    segments.back().push_back(point);
}

} // namespace

void TrendRecorder::startRun(std::int64_t nowMs)
{
    if (!m_origin) {
        m_origin = nowMs;
        return;
    }
    const double t = static_cast<double>(nowMs - *m_origin) / 1000.0;
    for (auto *series : {&m_pressure, &m_temperature}) {
        if (!series->empty() && !std::isnan(series->back().value))
            series->push_back({t, kGap});
    }
    ++m_generation;
}

void TrendRecorder::add(TrendQuantity quantity, std::int64_t nowMs, std::optional<double> value)
{
    if (!m_origin)
        m_origin = nowMs;
    const double t = static_cast<double>(nowMs - *m_origin) / 1000.0;
    const bool pressure = quantity == TrendQuantity::Pressure;
    (pressure ? m_pressure : m_temperature).push_back({t, value.value_or(kGap)});
    if (value)
        widen(pressure ? m_pressureExtremes : m_temperatureExtremes, *value);
    m_lastTimeS = std::max(m_lastTimeS, t);
    ++m_generation;
}

void TrendRecorder::clear()
{
    m_origin.reset();
    m_pressure.clear();
    m_temperature.clear();
    m_pressureExtremes = {};
    m_temperatureExtremes = {};
    m_lastTimeS = 0;
    ++m_generation;
}

const std::vector<TrendSample> &TrendRecorder::samples(TrendQuantity quantity) const
{
    return quantity == TrendQuantity::Pressure ? m_pressure : m_temperature;
}

const Extremes &TrendRecorder::extremes(TrendQuantity quantity) const
{
    return quantity == TrendQuantity::Pressure ? m_pressureExtremes : m_temperatureExtremes;
}

std::vector<TrendSegment> decimateTrend(const std::vector<TrendSample> &samples, double t0, double t1, int columns)
{
    std::vector<TrendSegment> segments;
    const auto byTime = [](const TrendSample &s, double t) { return s.timeS < t; };
    const auto first = std::lower_bound(samples.begin(), samples.end(), t0, byTime);
    const auto last = std::upper_bound(samples.begin(), samples.end(), t1,
                                       [](double t, const TrendSample &s) { return t < s.timeS; });
    if (first >= last)
        return segments;
    columns = std::max(columns, 1);
    bool open = false;
    if (last - first <= 2 * static_cast<std::ptrdiff_t>(columns)) {
        for (auto it = first; it != last; ++it) {
            if (std::isnan(it->value))
                open = false;
            else
                extend(segments, open, {it->timeS, it->value});
        }
        return segments;
    }

    const double width = (t1 - t0) / columns;
    auto it = first;
    while (it != last) {
        const auto column = static_cast<long long>(std::floor((it->timeS - t0) / width));
        const double columnEnd = t0 + static_cast<double>(column + 1) * width;
        const TrendSample *low = nullptr;
        const TrendSample *high = nullptr;
        // The first sample is the column's own, whatever the rounding says.
        for (bool own = true; it != last && (own || it->timeS < columnEnd || column + 1 >= columns);
             ++it, own = false) {
            if (std::isnan(it->value))
                continue;
            if (low == nullptr || it->value < low->value)
                low = &*it;
            if (high == nullptr || it->value > high->value)
                high = &*it;
        }
        if (low == nullptr) {
            open = false;
            continue;
        }
        const TrendSample *earlier = low->timeS <= high->timeS ? low : high;
        const TrendSample *later = earlier == low ? high : low;
        extend(segments, open, {earlier->timeS, earlier->value});
        if (later != earlier)
            extend(segments, open, {later->timeS, later->value});
    }
    return segments;
}

std::optional<std::pair<double, double>> valueRange(const std::vector<TrendSegment> &segments)
{
    std::optional<std::pair<double, double>> range;
    for (const TrendSegment &segment : segments) {
        for (const TrendPoint &point : segment) {
            if (!range)
                range = std::pair{point.y, point.y};
            range->first = std::min(range->first, point.y);
            range->second = std::max(range->second, point.y);
        }
    }
    return range;
}

void writeTrendCsv(std::ostream &out, const TrendRecorder &recorder, const std::string &pressureUnit)
{
    out << "elapsed_s,pressure (" << pressureUnit << "),temperature (℃)\n";
    const auto &pressure = recorder.samples(TrendQuantity::Pressure);
    const auto &temperature = recorder.samples(TrendQuantity::Temperature);
    const auto field = [](const TrendSample &s) { return std::isnan(s.value) ? std::string("gap") : number(s.value); };
    std::size_t p = 0;
    std::size_t t = 0;
    while (p < pressure.size() || t < temperature.size()) {
        const bool takePressure =
            t == temperature.size() || (p < pressure.size() && pressure[p].timeS <= temperature[t].timeS);
        if (takePressure) {
            out << timeText(pressure[p].timeS) << ',' << field(pressure[p]) << ",\n";
            ++p;
        } else {
            out << timeText(temperature[t].timeS) << ",," << field(temperature[t]) << '\n';
            ++t;
        }
    }
}

} // namespace ortavel
