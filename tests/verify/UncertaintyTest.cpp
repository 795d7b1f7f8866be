#include "verify/Uncertainty.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace ortavel::test {
namespace {

using namespace ortavel::verify;
using Opt = std::optional<double>;
using Samples = std::vector<double>;

// Each text with what the report writes for it, which must read back as the same numbers.
TEST(Uncertainty, ReferenceUncertaintyReadsAsCertifiedAndRoundTrips)
{
    const struct {
        const char *name, *text, *written;
    } rows[] = {
        {"absolute, k left out", "0.05", "0.05 k=2"},
        {"percent with its own k, blanks around", " 0.02% k=2.1 ", "0.02% k=2.1"},
        {"comma before k, no blanks", "0.02%,k=2", "0.02% k=2"},
        {"blanks everywhere, capital K", "0.1 , K = 3", "0.1 k=3"},
        {"no blank before k", "0.05k=1.96", "0.05 k=1.96"},
        {"written without an exponent", "0.0000001", "0.0000001 k=2"},
        {"all the digits a double needs", "0.30000000000000004", "0.30000000000000004 k=2"},
    };
    for (const auto &row : rows) {
        const auto got = parseReferenceUncertainty(row.text);
        ASSERT_TRUE(got) << row.name;
        EXPECT_EQ(referenceUncertaintyText(*got), row.written) << row.name;
        const auto back = parseReferenceUncertainty(row.written);
        EXPECT_TRUE(back && back->value == got->value && back->percentOfReading == got->percentOfReading &&
                    back->k == got->k)
            << row.name;
    }
    // Empty, zero, negative, k of 0, no number, an exponent, a comma or "k" with nothing after it, trailing words.
    for (const char *refused :
         {"", "0", "-0.05", "0.05 k=0", "nan", "1e-3", "0.05,", "0.05 k2", "0.05% k=", "0.05 k=2 x"})
        EXPECT_FALSE(parseReferenceUncertainty(refused)) << refused;
}

// Worked by hand: u_ref = U/k, u_res = d/(2 sqrt 3), u_rep = s/sqrt n, u = root sum of squares, U = 2u, TUR = T/U.
TEST(Uncertainty, BudgetOfOnePoint)
{
    using Want = std::array<double, 6>; // u_ref, u_res, u_rep, u, U, TUR (-1: none)
    const struct {
        const char *name;
        Samples samples;
        double reference, tolerance;
        int decimals;
        std::optional<ReferenceUncertainty> ref;
        Want want;
    } rows[] = {
        // 0.06/2; 0.1/3.4641016; s 0.1 (deviations -0.1, 0.1, 0) / sqrt 3; u^2 = 0.0009 + 0.01/12 + 0.01/3 = 0.0050667
        {"absolute reference, three samples", Samples{50.1, 50.3, 50.2}, 50, 0.5, 1,
         ReferenceUncertainty{0.06, false, 2},
         Want{0.03, 0.028867513, 0.057735027, 0.071180522, 0.14236104, 3.5121968}},
        // 0.05 % of |-80| = 0.04, / 2.5; 0.01/3.4641016; one sample: 0; u^2 = 0.000256 + 0.0001/12 = 0.00026433333
        {"percent of a negative reading, k 2.5, one sample", Samples{-80}, -80, 0.2, 2,
         ReferenceUncertainty{0.05, true, 2.5}, Want{0.016, 0.0028867513, 0, 0.016258331, 0.032516662, 6.1506928}},
        // s of +-0.01 about 10000.02 = sqrt(0.0002/1), / sqrt 2 = 0.01 (a sum of squares less the squared sum loses
        // it to cancellation); u^2 = 0.0001 + 0.0001/12 = 0.00010833333
        {"no reference declared, large readings", Samples{10000.01, 10000.03}, 10000, 0.05, 2, std::nullopt,
         Want{0, 0.0028867513, 0.01, 0.01040833, 0.02081666, 2.4019223}},
        // 10^-400 is 0 in a double: nothing to divide by.
        {"nothing contributes", Samples{1}, 1, 1, 400, std::nullopt, Want{0, 0, 0, 0, 0, -1}},
    };
    for (const auto &row : rows) {
        const Budget b = budgetOf(row.samples, row.reference, row.decimals, row.ref, row.tolerance);
        const Want got{b.reference, b.resolution, b.repeatability, b.combined, b.expanded, b.tur.value_or(-1)};
        for (std::size_t i = 0; i < got.size(); ++i)
            EXPECT_NEAR(got[i], row.want[i], 1e-7 * std::fabs(row.want[i])) << row.name << ", figure " << i;
    }
}

// Each row: an error at a limit and the same error 1e-6 (or step) further out. Limits of T 0.35 and U 0.1 come out
// in binary just below 0.25 and 0.45 (0.24999999999999997, 0.44999999999999996).
TEST(Uncertainty, DecisionRulesAtAndJustPastEachLimit)
{
    using R = DecisionRule;
    const struct {
        const char *name;
        R rule;
        double tolerance, expanded, error;
        const char *atLimit, *past;
        double step = 1e-6;
    } rows[] = {
        {"simple: the slack of T 0.25 is 1e-9, its end included", R::Simple, 0.25, 0.05, 0.25 + 1e-9, "pass", "fail",
         1e-15},
        {"simple: the slack of T 1000 is 1e-6", R::Simple, 1000, 0, 1000 + 5e-7, "pass", "fail", 1.5e-6},
        {"simple: -T, U unknown does not count", R::Simple, 0.25, NAN, -0.25, "pass", "fail"},
        {"guarded: T-U", R::Guarded, 0.35, 0.1, -0.25, "pass", "fail"},
        {"guarded: a thin zone still accepts", R::Guarded, 0.35, 0.3499, 0.0001, "pass", "fail"},
        {"guarded: U = T leaves no zone", R::Guarded, 0.35, 0.35, 0, "fail", "fail"},
        {"guarded: U unknown", R::Guarded, 0.35, NAN, 0, "fail", "fail"},
        {"guarded: U negative", R::Guarded, 0.35, -0.1, 0, "fail", "fail"},
        {"conditional: T-U", R::Conditional, 0.35, 0.1, 0.25, "pass", "conditional pass"},
        {"conditional: T", R::Conditional, 0.35, 0.1, -0.35, "conditional pass", "conditional fail"},
        {"conditional: T+U", R::Conditional, 0.35, 0.1, 0.45, "conditional fail", "fail"},
        {"conditional: U 0, T", R::Conditional, 0.35, 0, 0.35, "pass", "fail"},
        {"conditional: U = T, 0 is no pass", R::Conditional, 0.35, 0.35, 0, "conditional pass", "conditional pass"},
        {"conditional: U = T, T+U", R::Conditional, 0.35, 0.35, 0.7, "conditional fail", "fail"},
        {"conditional: error unknown", R::Conditional, 0.35, 0.1, NAN, "fail", "fail"},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(decisionName(decide(row.rule, row.error, row.tolerance, row.expanded)), row.atLimit) << row.name;
        const double past = row.error + std::copysign(row.step, row.error);
        EXPECT_EQ(decisionName(decide(row.rule, past, row.tolerance, row.expanded)), row.past) << row.name;
    }
    // The names are what the command line takes and the history keeps.
    for (const auto &[rule, name] :
         {std::pair{R::Simple, "simple"}, {R::Guarded, "guarded"}, {R::Conditional, "conditional"}}) {
        EXPECT_EQ(decisionRuleName(rule), name);
        EXPECT_EQ(decisionRuleFromName(name), rule);
    }
    EXPECT_FALSE(decisionRuleFromName("Guarded"));
}

// Expected = 4 + 16 (p - OL)/(OH - OL); % of span = error / 16 * 100. Each meter reading is at the tolerance, and
// 1e-6 mA further out it fails.
TEST(Uncertainty, CurrentAgainstTheOutputRange)
{
    const struct {
        const char *name;
        double measured, pressure, ol, oh, tolerance;
        Opt expected, pct;
    } rows[] = {
        // 4.04 - 4 is 0.04000000000000036 in binary: 0.25 % still at the limit.
        {"4 mA end", 4.04, 0, 0, 100, 0.25, 4, 0.25},
        {"reversed: 25 is 3/4 of the way", 15.96, 25, 100, 0, 0.25, 16, -0.25},
        {"range across zero: 0 of -50..150", 8.1, 0, -50, 150, 0.625, 8, 0.625},
        {"outside OL..OH, not clipped", 21.6, 110, 0, 100, 0, 21.6, 0},
        {"OL = OH", 12, 5, 5, 5, 0.25, std::nullopt, std::nullopt},
        {"OH infinite", 12, 5, 0, INFINITY, 0.25, std::nullopt, std::nullopt},
        {"overflowing ends", 12, 1e308, -1e308, 1e308, 0.25, std::nullopt, std::nullopt},
        {"meter reading unknown", NAN, 50, 0, 100, 0.25, std::nullopt, std::nullopt},
    };
    for (const auto &row : rows) {
        const auto check = currentCheck(row.measured, row.pressure, row.ol, row.oh, row.tolerance);
        ASSERT_EQ(check.has_value(), row.expected.has_value()) << row.name;
        if (!check)
            continue;
        EXPECT_NEAR(check->expectedMa, *row.expected, 1e-12) << row.name;
        EXPECT_NEAR(check->errorPctSpan, *row.pct, 1e-9) << row.name;
        EXPECT_TRUE(check->pass) << row.name;
        const double past = row.measured + (row.measured < *row.expected ? -1e-6 : 1e-6);
        EXPECT_FALSE(currentCheck(past, row.pressure, row.ol, row.oh, row.tolerance)->pass) << row.name;
    }
}

TEST(Uncertainty, CurrentListHasOneOptionalValuePerPoint)
{
    const struct {
        const char *name, *text;
        std::vector<Opt> want;
    } rows[] = {
        {"an empty part is none typed", "4.01,8.02,,20.00", {4.01, 8.02, std::nullopt, 20}},
        {"ends included, blanks around", " 0 , 24 ", {0, 24}},
        {"a comma alone: two points, none typed", ",", {std::nullopt, std::nullopt}},
        {"blank: nothing typed", "  ", {}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(currentList(row.text), row.want) << row.name;
    // No number, above 24 mA, below 0 mA, an exponent, another separator.
    for (const char *refused : {"4.01,abc", "24.01", "-0.01", "4e1", "4.01;8"})
        EXPECT_FALSE(currentList(refused)) << refused;
}

} // namespace
} // namespace ortavel::test
