#include "Uncertainty.h"

#include "link/Numbers.h"
#include "text/OperatorText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace ortavel::verify {

namespace {

constexpr double kCoverage = 2;
constexpr double kLowMa = 4;
constexpr double kSpanMa = 16;
constexpr double kHighestMa = 24;
constexpr std::string_view kBlanks = " \t";

bool isBlank(std::string_view text)
{
    return text.find_first_not_of(kBlanks) == std::string_view::npos;
}

void skipBlanks(std::string_view &rest)
{
    rest.remove_prefix(std::min(rest.find_first_not_of(kBlanks), rest.size()));
}

// Takes one of the characters oneOf after any blanks; leaves rest as it was when none is there.
bool take(std::string_view &rest, std::string_view oneOf)
{
    skipBlanks(rest);
    if (rest.empty() || oneOf.find(rest.front()) == std::string_view::npos)
        return false;
    rest.remove_prefix(1);
    return true;
}

// The number at the front of rest, above zero; the run ends at the first character no plain number holds, so
// "0.05k=2" needs no blank.
std::optional<double> takePositive(std::string_view &rest)
{
    skipBlanks(rest);
    const std::size_t end = std::min(rest.find_first_not_of("+-.0123456789"), rest.size());
    const auto value = plainNumber(rest.substr(0, end));
    rest.remove_prefix(end);
    if (!value || *value <= 0)
        return std::nullopt;
    return value;
}

std::string shortestText(double value)
{
    // Fixed notation, because the parser takes no exponent; the widest double needs about 330 characters.
    std::array<char, 512> buffer{};
    const auto [end, failure] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
    if (failure != std::errc())
        return "?";
    return {buffer.data(), end};
}

// Errors and limits are sums and differences of decimal values: binary noise far below any digit shown must not
// move a value that lies exactly at a limit to the worse side. The slack scales with the tolerance.
bool within(double size, double limit, double tolerance)
{
    return size <= limit + 1e-9 * std::max(1.0, std::fabs(tolerance));
}

} // namespace

std::optional<ReferenceUncertainty> parseReferenceUncertainty(const std::string &text)
{
    std::string_view rest = text;
    const auto value = takePositive(rest);
    if (!value)
        return std::nullopt;
    ReferenceUncertainty u{*value, take(rest, "%"), kCoverage};
    const bool comma = take(rest, ",");
    if (take(rest, "kK")) {
        const auto k = take(rest, "=") ? takePositive(rest) : std::nullopt;
        if (!k)
            return std::nullopt;
        u.k = *k;
    } else if (comma) {
        return std::nullopt;
    }
    skipBlanks(rest);
    if (!rest.empty())
        return std::nullopt;
    return u;
}

std::string referenceUncertaintyText(const ReferenceUncertainty &u)
{
    return shortestText(u.value) + (u.percentOfReading ? "%" : "") + " k=" + shortestText(u.k);
}

Budget budgetOf(const std::vector<double> &samples, double reference, int decimals,
                const std::optional<ReferenceUncertainty> &referenceUncertainty, double toleranceAbs)
{
    Budget budget;
    if (referenceUncertainty) {
        const ReferenceUncertainty &u = *referenceUncertainty;
        const double expanded = u.percentOfReading ? u.value * std::fabs(reference) / 100.0 : u.value;
        budget.reference = expanded / u.k;
    }
    budget.resolution = std::pow(10.0, -decimals) / (2.0 * std::sqrt(3.0));
    if (samples.size() > 1) {
        const auto n = static_cast<double>(samples.size());
        double sum = 0;
        for (const double sample : samples)
            sum += sample;
        const double mean = sum / n;
        // Deviations from the mean, not a sum of squares less the squared sum: readings like 100.001 and 100.002
        // would lose their spread to cancellation.
        double squares = 0;
        for (const double sample : samples)
            squares += (sample - mean) * (sample - mean);
        budget.repeatability = std::sqrt(squares / (n - 1)) / std::sqrt(n);
    }
    budget.combined = std::hypot(budget.reference, budget.resolution, budget.repeatability);
    budget.expanded = kCoverage * budget.combined;
    if (budget.expanded > 0)
        budget.tur = toleranceAbs / budget.expanded;
    return budget;
}

std::string_view decisionRuleName(DecisionRule rule)
{
    switch (rule) {
    case DecisionRule::Simple:
        return OT_TR("Ortavel", "simple");
    case DecisionRule::Guarded:
        return OT_TR("Ortavel", "guarded");
    case DecisionRule::Conditional:
        break;
    }
    return OT_TR("Ortavel", "conditional");
}

std::optional<DecisionRule> decisionRuleFromName(std::string_view name)
{
    for (const DecisionRule rule : {DecisionRule::Simple, DecisionRule::Guarded, DecisionRule::Conditional}) {
        if (decisionRuleName(rule) == name)
            return rule;
    }
    return std::nullopt;
}

std::string_view decisionRuleText(DecisionRule rule)
{
    switch (rule) {
    case DecisionRule::Simple:
        return OT_TR("Ortavel", "Simple acceptance: a point passes when |error| <= tolerance; the uncertainty is "
                                "stated, not deducted.");
    case DecisionRule::Guarded:
        return OT_TR("Ortavel", "Guarded acceptance: a point passes only when |error| <= tolerance - U, the "
                                "expanded uncertainty (k = 2) serving as a guard band inside the tolerance; every "
                                "other point fails.");
    case DecisionRule::Conditional:
        break;
    }
    return OT_TR("Ortavel", "Non-binary acceptance with a guard band of U, the expanded uncertainty (k = 2): pass "
                            "when |error| <= tolerance - U, conditional pass up to the tolerance, conditional fail up "
                            "to tolerance + U, fail beyond.");
}

std::string_view decisionName(Decision decision)
{
    switch (decision) {
    case Decision::Pass:
        return "pass";
    case Decision::ConditionalPass:
        return "conditional pass";
    case Decision::ConditionalFail:
        return "conditional fail";
    case Decision::Fail:
        break;
    }
    return "fail";
}

Decision decide(DecisionRule rule, double error, double tolerance, double expanded)
{
    const bool usesU = rule != DecisionRule::Simple;
    if (!std::isfinite(error) || !std::isfinite(tolerance) || (usesU && !(std::isfinite(expanded) && expanded >= 0)))
        return Decision::Fail;
    const auto inside = [&](double limit) { return within(std::fabs(error), limit, tolerance); };
    // T - U at or below zero (within the slack) leaves no acceptance zone: not even an error of 0 shows conformity.
    const bool accepted = !within(tolerance - expanded, 0, tolerance) && inside(tolerance - expanded);
    switch (rule) {
    case DecisionRule::Simple:
        return inside(tolerance) ? Decision::Pass : Decision::Fail;
    case DecisionRule::Guarded:
        return accepted ? Decision::Pass : Decision::Fail;
    case DecisionRule::Conditional:
        break;
    }
    if (accepted)
        return Decision::Pass;
    if (inside(tolerance))
        return Decision::ConditionalPass;
    return inside(tolerance + expanded) ? Decision::ConditionalFail : Decision::Fail;
}

std::optional<double> expectedCurrent(double pressure, double ol, double oh)
{
    if (!std::isfinite(pressure) || !std::isfinite(ol) || !std::isfinite(oh) || ol == oh)
        return std::nullopt;
    const double current = kLowMa + kSpanMa * (pressure - ol) / (oh - ol);
    // Finite ends far apart can still overflow on the way.
    if (!std::isfinite(current))
        return std::nullopt;
    return current;
}

std::optional<CurrentCheck> currentCheck(double measuredMa, double pressure, double ol, double oh, double tolerancePct)
{
    const auto expected = expectedCurrent(pressure, ol, oh);
    if (!expected || !std::isfinite(measuredMa) || !std::isfinite(tolerancePct))
        return std::nullopt;
    CurrentCheck check;
    check.expectedMa = *expected;
    check.errorMa = measuredMa - *expected;
    check.errorPctSpan = check.errorMa / kSpanMa * 100.0;
    check.pass = within(std::fabs(check.errorPctSpan), tolerancePct, tolerancePct);
    return check;
}

std::optional<std::vector<std::optional<double>>> currentList(const std::string &text)
{
    std::vector<std::optional<double>> values;
    if (isBlank(text))
        return values;
    const std::string_view all = text;
    std::size_t start = 0;
    while (start <= all.size()) {
        const std::size_t comma = std::min(all.find(',', start), all.size());
        const std::string_view part = all.substr(start, comma - start);
        start = comma + 1;
        if (isBlank(part)) {
            values.emplace_back();
            continue;
        }
        const auto value = plainNumber(part);
        if (!value || *value < 0 || *value > kHighestMa)
            return std::nullopt;
        values.emplace_back(*value);
    }
    return values;
}

} // namespace ortavel::verify
