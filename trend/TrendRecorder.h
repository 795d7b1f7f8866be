#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace ortavel {

enum class TrendQuantity { Pressure, Temperature };

// One poll of the collect loop: seconds since the trend began, and the value;
// NaN for a failed poll (a gap, never a zero).
struct TrendSample {
    double timeS = 0;
    double value = 0;
};

struct TrendPoint {
    double x = 0;
    double y = 0;
};
// A stretch of line without a gap.
using TrendSegment = std::vector<TrendPoint>;

struct Extremes {
    std::optional<double> low;
    std::optional<double> high;
};

// The collect loop's values over time, kept whole (24 hours are 216,000
// samples per value). Plain C++, on the window thread.
class TrendRecorder {
public:
    // Collecting (re)starts at nowMs: the first start sets the time origin,
    // a later one leaves a gap since the previous run.
    void startRun(std::int64_t nowMs);
    // One poll; no value for a failed one.
    void add(TrendQuantity quantity, std::int64_t nowMs, std::optional<double> value);
    void clear();

    const std::vector<TrendSample> &samples(TrendQuantity quantity) const;
    // Lowest and highest value since the last clear.
    const Extremes &extremes(TrendQuantity quantity) const;
    // The latest sample time of either value, 0 without samples.
    double lastTimeS() const { return m_lastTimeS; }
    // Changes whenever a sample is added or the record cleared.
    std::uint64_t generation() const { return m_generation; }

private:
    std::optional<std::int64_t> m_origin;
    std::vector<TrendSample> m_pressure;
    std::vector<TrendSample> m_temperature;
    Extremes m_pressureExtremes;
    Extremes m_temperatureExtremes;
    double m_lastTimeS = 0;
    std::uint64_t m_generation = 0;
};

// The samples between t0 and t1 as line segments for a plot columns pixels
// wide. Up to two samples a column are drawn as they are, each failed poll
// breaking the line. Beyond that each column gives its lowest and its
// highest value, in their order and at their own times, so no peak is lost;
// a column whose samples all failed breaks the line (a failed poll amid
// values of the same column is narrower than the pixel).
std::vector<TrendSegment> decimateTrend(const std::vector<TrendSample> &samples, double t0, double t1, int columns);

// The lowest and highest y of the segments; nullopt without points.
std::optional<std::pair<double, double>> valueRange(const std::vector<TrendSegment> &segments);

// CSV of both values in time order: elapsed_s,pressure (unit),temperature (℃);
// each row holds the value polled, the other field empty, "gap" for a failed
// poll.
void writeTrendCsv(std::ostream &out, const TrendRecorder &recorder, const std::string &pressureUnit);

} // namespace ortavel
