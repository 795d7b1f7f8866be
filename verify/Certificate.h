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
    "run,address,type,id,point,direction,nominal,reference,reading,spread,error,error_pct_span,result";

// One point as the certificate prints it; an unread point has empty
// reading, spread, error and errorPct.
struct SheetLine {
    std::string point; // % of range
    std::string direction;
    std::string nominal;
    std::string reference;
    std::string reading;
    std::string spread;
    std::string error;
    std::string errorPct;
    std::string result;
    bool unstable = false;
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
    std::string tolerance; // % of span
    std::vector<SheetLine> lines;
    Verdict verdict = Verdict::Incomplete;
    std::vector<SheetHysteresis> hysteresis;
};

RunSheet sheetOf(const Run &run, const std::string &name);

// As found (when there is one) and as left, of one transmitter.
struct Certificate {
    std::optional<RunSheet> asFound;
    std::optional<RunSheet> asLeft;
    Plan plan; // the reference instrument, operator and note

    std::vector<const RunSheet *> runs() const;
};

// Why the two runs cannot make one certificate; nothing when they can.
std::optional<std::string> joinProblem(const Identity &asFound, const Identity &asLeft);

// The header and one line per point and run.
void writeCsv(std::ostream &out, const Certificate &certificate);

// An as-found run from a CSV that writeCsv wrote; nothing, with the
// reason, for anything else.
std::optional<RunSheet> readAsFoundCsv(std::istream &in, std::string &error);

} // namespace ortavel::verify
