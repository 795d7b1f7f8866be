#pragma once

#include "Uncertainty.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ortavel::verify {

enum class Direction { Up, Down };
enum class PointResult { Pass, Fail, NotRead, Skipped, ConditionalPass, ConditionalFail };
// A run with a conditional fail fails; one with a conditional pass and no
// worse passes only conditionally.
enum class Verdict { Pass, Fail, Incomplete, ConditionalPass };

std::string_view directionName(Direction direction); // "up", "down"
// "pass", "fail", "not read", "skipped", "conditional pass", "conditional fail"
std::string_view resultName(PointResult result);
std::string_view verdictName(Verdict verdict); // "PASS", "FAIL", "INCOMPLETE", "CONDITIONAL PASS"
// A point with a reading and a judgement.
bool isJudged(PointResult result);
// INCOMPLETE while a point has no judgement; FAIL when one fails, even
// conditionally.
Verdict verdictOf(const std::vector<PointResult> &results);

// A value with a fixed number of decimals and a decimal point whatever the
// locale; never "-0.00".
std::string fixedText(double value, int decimals);

// The decimals a number is written with: "-100.02" has 2, "5" none,
// "1.5e-3" 4. A reference keeps the digits it was typed with.
int decimalsOf(const std::string &numberText);

// Numbers separated by commas ("0,25,50"), each one number as a whole; nothing when any part, an empty one
// included, is not.
std::optional<std::vector<double>> numberList(const std::string &text);
// The same, each number as written.
std::optional<std::vector<std::string>> numberTexts(const std::string &text);

// A date as the report writes it, YYYY-MM-DD; nothing for anything else
// (a day that does not exist included).
std::optional<std::string> isoDate(const std::string &text);

// How a run is measured: the operator's own plan, or a sequence of a pressure-calibration guideline with its
// points, preloads and measurement series fixed by that guideline (verify/Procedure.h).
enum class Procedure { Plan, DkdA, DkdB, DkdC, Cg17Basic };

enum class StepKind { Preload, Zero, Point };

struct Step {
    StepKind kind = StepKind::Point;
    int series = 0;  // 1-based measurement series (M1...), 0 for preloads
    int preload = 0; // 1-based preload number, for Preload steps
    // % of the display range: the point, or 100 for a preload; 0 for a Zero step, which is read vented whatever
    // 0 % of the range is.
    double percent = 0;
    Direction direction = Direction::Up;
    bool zeroBefore = false; // for Zero steps: the reading before its series (else after)
};

struct Characteristics;

struct PlannedPoint {
    double percent = 0;
    Direction direction = Direction::Up;
};

// What a run measures and against which tolerance, with the texts the
// certificate carries.
struct Plan {
    static constexpr int kMaxSamples = 100;
    static constexpr int kMaxDwellSeconds = 3600;

    std::vector<double> points{0, 25, 50, 75, 100}; // % of the display range
    bool upDown = false;                            // the same points back down
    double tolerancePct = 0.25;                     // of span
    int samples = 5;
    // A guideline's sequence replaces points and upDown.
    Procedure procedure = Procedure::Plan;
    // The wait before each reading, for the pressure to settle.
    int dwellSeconds = 0;
    std::string operatorName;
    std::string instrument; // the reference: its description
    std::string instrumentSerial;
    std::string instrumentCertificate;
    std::string instrumentDue; // YYYY-MM-DD, or empty
    // The operator went on with a reference past its due date.
    bool overdueAccepted = false;
    // As its certificate states it; without it the run is a verification,
    // not a calibration.
    std::optional<ReferenceUncertainty> referenceUncertainty;
    DecisionRule decision = DecisionRule::Simple;
    // Who reports on what, where: the organisation from the settings, the
    // rest typed. Printed when given.
    std::string organisation;
    std::string organisationAddress;
    std::string place;
    std::string customer;
    std::string tag;
    std::string location;
    std::string ambientTemperature;
    std::string ambientHumidity;
    std::string ambientPressure;
    std::string departures; // from the method
    std::string note;

    // Why the plan cannot run; nothing when it can.
    std::optional<std::string> problem() const;
    // True when the reference's due date lies before the date of `time`
    // (a run's start, "YYYY-MM-DD ...").
    bool referenceOverdue(const std::string &time) const;
    // The points in the order they are taken: up, then back down without
    // repeating the top.
    std::vector<PlannedPoint> sequence() const;
};

// The display range (DL to DH) with its unit and decimals (DP code 0-4).
struct Range {
    double low = 0;
    double high = 0;
    int decimals = 0;
    std::string unit;
    bool typed = false; // the operator typed it: the transmitter's could not be read

    double span() const { return high - low; }
    double nominal(double percent) const { return low + percent / 100.0 * span(); }
    std::string text(double pressure) const { return fixedText(pressure, decimals); }
};

// Who was measured, as read at the start of a run.
struct Identity {
    std::string address;
    std::string type;
    std::string id;
    std::string version;
    std::string temperature; // RT0 as answered, or the failed result
    std::string time;        // local date and time with the UTC offset
    Range range;
    // The sensor's range as answered (SL, SH, FU), or the failed results.
    std::string sensorLow{};
    std::string sensorHigh{};
    std::string sensorUnit{};
    // OL and OH, the pressures at 4 and 20 mA; nothing when not read.
    std::optional<double> outputLow{};
    std::optional<double> outputHigh{};

    // The same transmitter: address, type and id (and version where both
    // runs know it).
    bool sameTransmitter(const Identity &other) const;
};

// One point as measured.
struct Point {
    PlannedPoint planned;
    double nominal = 0;
    double reference = 0;
    int referenceDecimals = -1; // as typed; -1: the nominal, taken over untyped
    std::vector<double> samples;
    // Earlier takes of the point, repeated since: kept for the record.
    std::vector<std::vector<double>> discarded;
    bool failedPoll = false; // a poll without a number: the point has no reading
    bool taken = false;      // read, or skipped
    bool skipped = false;
    std::optional<double> currentMa; // the operator's meter on the 4-20 mA output
    int series = 0;                  // the measurement series it belongs to (1-based)
    bool takenEarly = false;         // read before its dwell ran out

    bool referenceFromNominal() const { return referenceDecimals < 0; }
};

// What a point's samples give, against the span and the tolerance.
struct Figures {
    PointResult result = PointResult::NotRead;
    double reading = 0; // mean of the samples
    double spread = 0;  // highest minus lowest sample
    double error = 0;   // reading - reference, from the unrounded mean
    double errorPct = 0;
    bool unstable = false; // spread above a quarter of the tolerance
    // The mean is printed with a digit more than the transmitter shows, and
    // with at least the reference's own; the error with the same.
    int decimals = 0;
    Budget budget;
    std::optional<CurrentCheck> current; // with a meter reading and OL, OH read
};

Figures figuresOf(const Point &point, const Range &range, const Plan &plan);

// The difference of the up and down errors at one nominal, in % of span;
// nothing when either side has no reading.
struct Hysteresis {
    double percent = 0;
    double nominal = 0;
    std::optional<double> pctOfSpan;
};

// One step of a run as the operator follows it. A Zero step is sampled like a point with 0 applied vented and is
// not judged; a Preload takes no reading, the operator confirms it.
struct RunStep {
    Step step;
    int record = -1;        // Point: index into points(); Zero: into zeros(); Preload: -1
    bool confirmed = false; // Preload: done
};

// One run: the plan, the identity at its start and the points so far.
class Run {
public:
    Run(Plan plan, Identity identity);

    const Plan &plan() const { return m_plan; }
    const Identity &identity() const { return m_identity; }
    const std::vector<Point> &points() const { return m_points; }
    Point &point(int index) { return m_points.at(static_cast<std::size_t>(index)); }
    // The first point not yet taken; points().size() when the run is done.
    int current() const;
    bool done() const { return currentStep() == static_cast<int>(m_steps.size()); }

    // A polled RP0 result into the point's samples; a failed answer or no
    // number marks the point as not read.
    void addSample(int index, const std::string &result);
    // The reference read off for the point, as typed; empty takes the
    // nominal over. False, changing nothing, for text that is no number.
    bool setReference(int index, const std::string &typed);
    // Forgets the point's samples, to take it again.
    void clearPoint(int index);
    // Takes the point again: what it had is kept as discarded.
    void repeatPoint(int index);
    void skipPoint(int index);

    Figures figures(int index) const;
    // The 4-20 mA output's own verdict over the points with a meter
    // reading; nothing when none has one.
    std::optional<Verdict> currentVerdict() const;
    // PASS when every point passes, FAIL when one fails, INCOMPLETE while a
    // point is not read (or not yet taken).
    Verdict verdict() const;
    std::vector<Hysteresis> hysteresis() const;

    // Every step in order: for the free plan its points only.
    const std::vector<RunStep> &steps() const { return m_steps; }
    // The zero readings, in the order of their steps.
    const std::vector<Point> &zeros() const { return m_zeros; }
    // The first step not yet done; steps().size() when the run is done.
    int currentStep() const;
    bool stepDone(int step) const;
    // What a Zero or Point step samples into; nullptr for a Preload.
    Point *reading(int step);
    const Point *reading(int step) const;
    void confirmPreload(int step);
    // addSample(), repeatPoint() and skipPoint() for any step: a preload is confirmed again (repeat) or not at all
    // (skip leaves it as it is).
    void addStepSample(int step, const std::string &result);
    void repeatStep(int step);
    void skipStep(int step);
    // The mean of a zero reading; nothing without one.
    std::optional<double> zeroReading(int zero) const;
    // b, h, f0 and linearity from the points' errors per series and the zero readings (pressure unit).
    Characteristics characteristics() const;

private:
    Plan m_plan;
    Identity m_identity;
    std::vector<Point> m_points;
    std::vector<RunStep> m_steps;
    std::vector<Point> m_zeros;

    void buildSteps();
};

// One exchange with the transmitter under test: the command without the
// address, the result text as Comm_Send gives it.
using Ask = std::function<std::string(const std::string &command)>;

// Reads TY, ID, VR, DL, DH, UT, DP, RT0, SL, SH, FU, OL and OH. rangeProblem says why the
// display range cannot serve (then a typed range may be put in).
struct IdentityRead {
    Identity identity;
    std::optional<std::string> rangeProblem;
};
IdentityRead readIdentity(const Ask &ask, const std::string &address,
                          const std::function<std::string(int code)> &unitName, const std::string &time);

// The local date and time with its UTC offset: 2026-12-07 08:15:02 +01:00.
std::string localTimeText();

} // namespace ortavel::verify
