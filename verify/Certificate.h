#pragma once

#include "Verification.h"

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace ortavel::verify {

inline constexpr const char *kAsFound = "as found";
inline constexpr const char *kAsLeft = "as left";
inline constexpr const char *kCsvHeader =
    "run,address,type,id,point,direction,nominal,reference,reading,spread,error,error_pct_span,result,"
    "expanded_uncertainty,tur,ma_reading,ma_expected,ma_error_pct_span,ma_result";
// Files written before the uncertainty was stated read back as well.
inline constexpr const char *kCsvHeaderWithoutUncertainty =
    "run,address,type,id,point,direction,nominal,reference,reading,spread,error,error_pct_span,result";
// Every sample of every take, after the points and a blank line.
inline constexpr const char *kSamplesHeader =
    "run,point_index,point,direction,reference_source,take,sample,value,status";

// One point as the certificate prints it; an unread point has empty
// reading, spread, error and errorPct.
struct SheetLine {
    std::string point; // % of range
    std::string direction;
    std::string nominal;
    std::string reference; // with the digits it was typed with
    std::string reading;   // a digit more than the transmitter shows
    std::string spread;
    std::string error; // printed reading - printed reference, to the last digit
    std::string errorPct;
    std::string result;
    bool unstable = false;
    bool referenceFromNominal = false;
    std::string expanded; // U (k = 2), with the reading's digits; empty without the reference's uncertainty
    std::string tur;      // tolerance / U
    // The 4-20 mA output where the operator typed a meter reading.
    std::string maReading;
    std::string maExpected;
    std::string maErrorPct; // of the 16 mA span
    std::string maResult;
    std::vector<std::string> samples;
    std::vector<std::vector<std::string>> discarded; // earlier takes, repeated since
    bool takenEarly = false;                         // read before its dwell ran out
};

// A zero reading of a guideline's sequence: read vented, not judged.
struct SheetZero {
    int series = 0;
    bool before = false; // before its series, else after it
    std::string reading; // the mean, with a digit more than the transmitter shows; empty when not read
    std::string spread;
    bool skipped = false;
    bool takenEarly = false;
    std::vector<std::string> samples;
    std::vector<std::vector<std::string>> discarded;
};

// A characteristic the run's procedure reports (b, h, f0, linearity): printed, not judged. "-" where a reading it
// needs is missing.
struct SheetCharacteristic {
    std::string key;       // repeatability_b, hysteresis_h, zero_deviation_f0, linearity
    std::string name;      // "Repeatability b", ...
    std::string value;     // pressure unit, with a digit more than the transmitter shows
    std::string pctOfSpan; // two decimals
};

struct SheetHysteresis {
    std::string nominal;
    std::string pctOfSpan; // "-" when a side has no reading
};

// A run's numbers, formatted once: pressures with the transmitter's
// decimals, % of span with two. The PDF and the CSV print these.
struct RunSheet {
    std::string run; // kAsFound or kAsLeft
    Identity identity;
    Plan plan;             // the run's own: operator, reference, tolerance, samples
    std::string tolerance; // % of span
    std::vector<SheetLine> lines;
    Verdict verdict = Verdict::Incomplete;
    std::optional<Verdict> currentVerdict; // the mA output's, when read
    std::vector<SheetHysteresis> hysteresis;
    std::string method; // the procedure's title
    std::vector<SheetZero> zeros;
    int preloads = 0; // of the procedure
    int preloadsConfirmed = 0;
    std::vector<SheetCharacteristic> characteristics;

    int discardedTakes() const;
    int skippedPoints() const;
};

RunSheet sheetOf(const Run &run, const std::string &name);

// As found (when there is one) and as left, of one transmitter.
struct Certificate {
    std::optional<RunSheet> asFound;
    std::optional<RunSheet> asLeft;
    Plan plan; // of the last run: what the report as a whole names
    std::string reportNumber;
    std::string issued; // YYYY-MM-DD

    std::vector<const RunSheet *> runs() const;
    // "Calibration certificate" when the reference's uncertainty is stated,
    // else "Verification report".
    std::string title() const;
    // "Range changed between the runs: ..." when the as-left run's range is
    // not the as-found one's: the adjustment made between them.
    std::optional<std::string> rangeAdjustment() const;
};

// Why the two runs cannot make one certificate; nothing when they can.
std::optional<std::string> joinProblem(const Identity &asFound, const Identity &asLeft);

// The report's facts in comment lines, the header and one line per point
// and run, then every sample.
void writeCsv(std::ostream &out, const Certificate &certificate);

// An as-found run from a CSV that writeCsv wrote, whole (date, version,
// range and plan where the file carries them); nothing, with the reason,
// for anything else, and for a line whose reading less reference is not
// its error.
std::optional<RunSheet> readAsFoundCsv(std::istream &in, std::string &error);

} // namespace ortavel::verify
