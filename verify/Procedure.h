#pragma once

#include "verify/Verification.h"

#include <optional>
#include <string_view>
#include <vector>

namespace ortavel::verify {

std::string_view procedureName(Procedure p); // "plan", "dkd-a", "dkd-b", "dkd-c", "cg17-basic"
std::optional<Procedure> procedureFromName(std::string_view name);
std::string_view procedureTitle(Procedure p); // for the report: "DKD-R 6-1 (03/2014) sequence C", ...

// The whole sequence an operator follows, in order. The free plan: the plan's points up, and when upDown back down
// without repeating the top (Plan::sequence()), one series each, no preloads, no zero readings. A guideline
// sequence ignores the plan's points and upDown: its preloads (apply full scale, hold, vent; no reading), then per
// load cycle a zero reading (vented), the cycle's series, a zero reading. A cycle is an up series with the down
// series that follows it (the pressure is not vented at the top, so the down series reads the top again after the
// hold), or an up series on its own; cg17-basic's three repeatability series make one cycle.
std::vector<Step> stepsOf(Procedure p, const std::vector<double> &planPoints, bool upDown);

// What a procedure reports. Every procedure judges each point's error against the tolerance.
struct Reported {
    bool repeatability = false; // b
    bool hysteresis = false;    // h
    bool zeroDeviation = false; // f0
    bool linearity = true;
};
Reported reportedBy(Procedure p, bool upDown);

// One measurement series as read. errors[i] is the error (reading - reference, pressure unit) at percents[i],
// nullopt when not read or skipped; zeroBefore/zeroAfter are the zero readings taken with that series.
struct SeriesErrors {
    int series = 0;
    Direction direction = Direction::Up;
    std::vector<double> percents;
    std::vector<std::optional<double>> errors;
    std::optional<double> zeroBefore, zeroAfter;
};

struct PointCharacteristics {
    double percent = 0;
    std::optional<double> meanError;     // over every series that read the point
    std::optional<double> repeatability; // b
    std::optional<double> hysteresis;    // h
};

// Pressure units throughout. A figure is nullopt where the procedure does not measure it (no b for dkd-c, no h at
// the free plan's top) and where a reading it needs is missing; a largest value is nullopt as soon as one of the
// values it is taken over is missing, so a skipped point never makes it look smaller.
struct Characteristics {
    std::vector<PointCharacteristics> points; // one per distinct percent of the procedure, ascending
    std::optional<double> zeroDeviation;      // f0: largest |zero after - zero before| over the load cycles
    std::optional<double> linearity;          // largest |mean error - least-squares line through the mean errors|
    std::optional<double> maxRepeatability, maxHysteresis;
};

// b at a point: the range (largest - smallest) of the errors of the series that repeat each other there, M1/M3 and
// for dkd-a also M2/M4, the larger of the two; for cg17-basic the larger range at its two repeatability points,
// which stands for every point. h: |down - up| of M1/M2; for dkd-a the mean of that and |M4 - M3|. The free plan's
// points come from series 1 (and 2) of the input.
Characteristics characteristicsOf(Procedure p, const std::vector<SeriesErrors> &series);

} // namespace ortavel::verify
