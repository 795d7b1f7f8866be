#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ortavel::verify {

// The reference instrument's expanded uncertainty as its own certificate gives it.
struct ReferenceUncertainty {
    double value = 0; // in the pressure unit, or % of reading
    bool percentOfReading = false;
    double k = 2; // coverage factor it was stated with
};

// "0.05", "0.02%", "0.05 k=2", "0.02% k=2.1": a plain decimal number, an optional "%", then an optional "k=" and
// the coverage factor (2 when left out); blanks are optional, and a comma may stand between the value and "k".
// nullopt for anything else: a value or k of zero or below, an exponent, trailing text, an empty text.
std::optional<ReferenceUncertainty> parseReferenceUncertainty(const std::string &text);
// "0.05 k=2", "0.02% k=2.1": the shortest text that reads back as the same numbers.
std::string referenceUncertaintyText(const ReferenceUncertainty &u);

// A declared, simple budget for one point; all standard uncertainties in the pressure unit.
struct Budget {
    double reference = 0;      // U_ref / k, of the reference as certified; 0 when none is declared
    double resolution = 0;     // one digit of the transmitter as a rectangular distribution: d / (2 * sqrt(3))
    double repeatability = 0;  // standard deviation of the samples (n - 1) / sqrt(n); 0 for fewer than two
    double combined = 0;       // root sum of squares of the three
    double expanded = 0;       // k = 2 times combined
    std::optional<double> tur; // test uncertainty ratio, tolerance / expanded; nullopt when expanded is 0
};
// A percent-of-reading reference uncertainty applies to |reference|. decimals is the display's (DP code).
Budget budgetOf(const std::vector<double> &samples, double reference, int decimals,
                const std::optional<ReferenceUncertainty> &referenceUncertainty, double toleranceAbs);

// The decision rules of ILAC-G8 with a guard band of U, the expanded uncertainty.
enum class DecisionRule { Simple, Guarded, Conditional };
enum class Decision { Pass, ConditionalPass, ConditionalFail, Fail };

std::string_view decisionRuleName(DecisionRule rule);                    // "simple", "guarded", "conditional"
std::optional<DecisionRule> decisionRuleFromName(std::string_view name); // exactly one of those names
std::string_view decisionRuleText(DecisionRule rule);                    // one sentence for the report
std::string_view decisionName(Decision decision); // "pass", "conditional pass", "conditional fail", "fail"

// With T the tolerance and U the expanded uncertainty, both absolute:
// simple: pass when |error| <= T, else fail; U is not used.
// guarded: pass when |error| <= T - U, else fail; with U >= T no point passes.
// conditional: pass |e| <= T - U; conditional pass up to T; conditional fail up to T + U; fail beyond. With U >= T
// there is no pass: an error of 0 is a conditional pass.
// A value at a limit belongs to the better side, with a slack of 1e-9 * max(1, |T|) for binary noise (0.25 is at
// the limit 0.25). An error, tolerance or (but for simple) U that is no finite number fails, as does a negative U.
Decision decide(DecisionRule rule, double error, double tolerance, double expanded);

// The current of the 4-20 mA output at a pressure: 4 mA at OL, 20 mA at OH (OH may be below OL). Not clipped: a
// pressure outside OL..OH expects a current outside 4..20 mA. nullopt when OL == OH or a value is not finite.
std::optional<double> expectedCurrent(double pressure, double ol, double oh);

struct CurrentCheck {
    double expectedMa = 0;
    double errorMa = 0;      // measured - expected
    double errorPctSpan = 0; // of the 16 mA span
    bool pass = false;       // |errorPctSpan| <= tolerancePct, with decide()'s slack
};
// The operator's meter reading against the expected current; nullopt when there is no expected current or a
// value is not finite.
std::optional<CurrentCheck> currentCheck(double measuredMa, double pressure, double ol, double oh, double tolerancePct);

// "4.01,8.02,,20.00": one optional mA value per point, an empty part meaning none typed; a blank text is an empty
// list. nullopt when a part is no plain decimal number or lies outside 0 to 24 mA.
std::optional<std::vector<std::optional<double>>> currentList(const std::string &text);

} // namespace ortavel::verify
