#include "verify/Procedure.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>

namespace ortavel::verify {
namespace {

using O = std::optional<double>;
constexpr auto kUp = Direction::Up;
constexpr auto kDown = Direction::Down;

// Steps as text: L<n> a preload at full scale, Z<series>< or > a zero reading before or after, <series>u:/d: the
// points of one series in order, and what the procedure reports.
std::string text(const std::vector<Step> &steps, const Reported &r)
{
    std::ostringstream out;
    const Step *previous = nullptr;
    for (const Step &s : steps) {
        const bool sameSeries = previous && previous->kind == StepKind::Point && previous->series == s.series;
        previous = &s;
        if (s.kind == StepKind::Point && sameSeries) {
            out << ',' << s.percent;
            continue;
        }
        if (s.kind == StepKind::Preload)
            out << " L" << s.preload << (s.percent == 100 ? "" : "?");
        else if (s.kind == StepKind::Zero)
            out << " Z" << s.series << (s.zeroBefore ? '<' : '>') << (s.percent == 0 ? "" : "?");
        else
            out << ' ' << s.series << (s.direction == kUp ? "u:" : "d:") << s.percent;
    }
    out << " |" << (r.repeatability ? " b" : "") << (r.hysteresis ? " h" : "") << (r.zeroDeviation ? " f0" : "");
    return out.str().substr(1);
}

TEST(Procedure, StepsFollowTheGuidelineSequences)
{
    using enum Procedure;
    const std::string n = "0,12.5,25,37.5,50,62.5,75,87.5,100", d = "100,87.5,75,62.5,50,37.5,25,12.5,0";
    const struct {
        const char *why;
        Procedure procedure;
        std::string steps;
        std::vector<double> plan{};
        bool upDown = false;
    } rows[] = {
        {"free plan up only: the points once, nothing else", Plan, "1u:0,50,100 |", {0, 50, 100}},
        {"free plan up and down: the top is not read twice", Plan, "1u:0,50,100 2d:50,0 | h", {0, 50, 100}, true},
        {"free plan of one point up and down: nothing to come down to", Plan, "1u:50 | h", {50}, true},
        // DKD-R 6-1 C: 1 preload, 5 points, M1 up and M2 down as one cycle; the plan's points play no part.
        {"dkd-c", DkdC, "L1 Z1< 1u:0,25,50,75,100 2d:100,75,50,25,0 Z2> | h f0", {10, 20}},
        {"dkd-b: M3 is a cycle of its own", DkdB,
         "L1 L2 Z1< 1u:" + n + " 2d:" + d + " Z2> Z3< 3u:" + n + " Z3> | b h f0"},
        {"dkd-a: two cycles", DkdA,
         "L1 L2 L3 Z1< 1u:" + n + " 2d:" + d + " Z2> Z3< 3u:" + n + " 4d:" + d + " Z4> | b h f0"},
        // cg-17 basic: 6 points up and down, then three increasing series at 0 % and 40 % for repeatability.
        {"cg17", Cg17Basic,
         "L1 Z1< 1u:0,20,40,60,80,100 2d:100,80,60,40,20,0 Z2> Z3< 3u:0,40 4u:0,40 5u:0,40 Z5> | b h f0"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.why);
        const auto steps = stepsOf(row.procedure, row.plan, row.upDown);
        EXPECT_EQ(text(steps, reportedBy(row.procedure, row.upDown)), row.steps);
        verify::Plan plan;
        plan.points = row.plan;
        plan.upDown = row.upDown;
        for (std::size_t i = 0; row.procedure == Plan && i < plan.sequence().size(); ++i) {
            ASSERT_LT(i, steps.size());
            EXPECT_EQ(steps[i].percent, plan.sequence()[i].percent);
            EXPECT_EQ(steps[i].direction, plan.sequence()[i].direction);
        }
    }
    for (const Procedure p : {Plan, DkdA, DkdB, DkdC, Cg17Basic})
        EXPECT_EQ(procedureFromName(procedureName(p)), p);
    EXPECT_EQ(procedureFromName("DKD-A"), std::nullopt);
    EXPECT_EQ(procedureTitle(DkdC), "DKD-R 6-1 (03/2014) sequence C");
}

SeriesErrors flat(int series, Direction d, std::vector<double> percents, double error, O before = {}, O after = {})
{
    std::vector<O> errors(percents.size(), error);
    return {series, d, std::move(percents), std::move(errors), before, after};
}

SeriesErrors with(SeriesErrors s, double percent, O error)
{
    for (std::size_t i = 0; i < s.percents.size(); ++i)
        s.errors[i] = s.percents[i] == percent ? error : s.errors[i];
    return s;
}

void expectNear(const O &actual, const O &expected, const char *what)
{
    ASSERT_EQ(actual.has_value(), expected.has_value()) << what;
    if (expected) {
        EXPECT_NEAR(*actual, *expected, 1e-9) << what;
    }
}

TEST(Procedure, CharacteristicsAgainstHandWorkedSeries)
{
    using enum Procedure;
    const std::vector<double> five{0, 25, 50, 75, 100}, six{0, 20, 40, 60, 80, 100}, rep{0, 40};
    const std::vector<double> nine{0, 12.5, 25, 37.5, 50, 62.5, 75, 87.5, 100};
    const SeriesErrors c1{1, kUp, five, {0, 0.05, 0.1, 0.15, 0.2}, 0.001, {}};
    const SeriesErrors c2{2, kDown, five, {0.01, 0.06, 0.11, 0.16, 0.21}, {}, 0.005};
    const auto a1 = flat(1, kUp, nine, 0, 0.0), a2 = flat(2, kDown, nine, 0.02, {}, 0.003);
    const auto a3 = flat(3, kUp, nine, 0.01, 0.001), a4 = flat(4, kDown, nine, 0.04, {}, -0.004);
    const auto b2 = flat(2, kDown, nine, 0.02, {}, 0.002), b3 = with(flat(3, kUp, nine, 0, 0.001, 0.001), 50, 0.03);
    const std::vector<SeriesErrors> cg17{flat(1, kUp, six, 0, 0.0),
                                         flat(2, kDown, six, 0.01, {}, 0.001),
                                         {3, kUp, rep, {0.004, 0.002}, 0.0, {}},
                                         {4, kUp, rep, {-0.002, 0.006}, {}, {}},
                                         {5, kUp, rep, {0, 0.001}, {}, 0.002}};
    const std::vector<SeriesErrors> plan{{1, kUp, {0, 50, 100}, {0, 0.1, 0.2}, {}, {}},
                                         {2, kDown, {50, 0}, {0.13, 0.02}, {}, {}}};
    const struct {
        const char *why;
        Procedure procedure;
        std::vector<SeriesErrors> input;
        std::size_t count;
        std::vector<PointCharacteristics> at; // percent, mean error, b, h
        O totals[4];                          // f0, linearity, largest b, largest h
    } rows[] = {
        // Mean 0.005 + 0.002 x is a straight line; down - up = 0.01 everywhere; f0 = 0.005 - 0.001.
        {"dkd-c straight errors", DkdC, {c1, c2}, 5, {{50, 0.105, {}, 0.01}}, {0.004, 0, {}, 0.01}},
        // 50 % from M1 alone: 0.1, 0.005 below the line; the fitted line is then flat at -0.001 off it, 0.004 at 50 %.
        {"dkd-c down point skipped",
         DkdC,
         {c1, with(c2, 50, {})},
         5,
         {{50, 0.1, {}, {}}, {25, 0.055, {}, 0.01}},
         {0.004, 0.004, {}, {}}},
        // M3 0.03 above M1 at 50 % only: b 0.03 there; means 0.02/3, at 50 % 0.05/3: the centre point 0.01 high,
        // the line flat at 0.01/9 above, 0.08/9 at most. f0 from M1/M2 0.002, M3 alone 0.
        {"dkd-b repeatability from M1 and M3",
         DkdB,
         {a1, b2, b3},
         9,
         {{50, 0.05 / 3, 0.03, 0.02}, {0, 0.02 / 3, 0, 0.02}},
         {0.002, 0.08 / 9, 0.03, 0.02}},
        // b = max(0.01, 0.02); h = (0.02 + 0.03) / 2; mean 0.07 / 4 everywhere; f0 = max(0.003, 0.005).
        {"dkd-a both cycles", DkdA, {a1, a2, a3, a4}, 9, {{100, 0.0175, 0.02, 0.025}}, {0.005, 0, 0.02, 0.025}},
        // 12.5 % from M1-M3: mean 0.01, 0.0075 below the rest; the line through them: -0.0075/9 + 3e-5 (x - 50),
        // so 0.0075 * 8/9 - 37.5 * 3e-5 = 0.00554167 off at 12.5 %.
        {"dkd-a M4 point and zero missing",
         DkdA,
         {a1, a2, a3, with(flat(4, kDown, nine, 0.04), 12.5, {})},
         9,
         {{12.5, 0.01, {}, {}}, {25, 0.0175, 0.02, 0.025}},
         {{}, 0.0075 * 8 / 9 - 37.5 * 3e-5, {}, {}}},
        // Ranges: at 0 % 0.004 - -0.002, at 40 % 0.006 - 0.001; the larger stands for 80 % too. Means 0.0024, 0.005,
        // 0.0038, 0.005, 0.005, 0.005: line 0.0262/6 + 0.142/7000 (x - 50), 0.00124190 off at 20 %.
        {"cg17 repeatability everywhere",
         Cg17Basic,
         cg17,
         6,
         {{80, 0.005, 0.006, 0.01}, {0, 0.0024, 0.006, 0.01}},
         {0.002, 0.005 - 0.0262 / 6 + 30 * 0.142 / 7000, 0.006, 0.01}},
        // Line through (0, 0.01), (100, 0.2): 0.0019 x + 0.0133333, 0.0066667 under the middle; no h at the top.
        {"free plan up and down",
         Plan,
         plan,
         3,
         {{0, 0.01, {}, 0.02}, {50, 0.115, {}, 0.03}, {100, 0.2, {}, {}}},
         {{}, 0.02 / 3, {}, 0.03}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.why);
        const Characteristics c = characteristicsOf(row.procedure, row.input);
        ASSERT_EQ(c.points.size(), row.count);
        for (const auto &want : row.at) {
            const auto it = std::find_if(c.points.begin(), c.points.end(),
                                         [&](const PointCharacteristics &p) { return p.percent == want.percent; });
            ASSERT_NE(it, c.points.end()) << want.percent;
            expectNear(it->meanError, want.meanError, "mean error");
            expectNear(it->repeatability, want.repeatability, "b");
            expectNear(it->hysteresis, want.hysteresis, "h");
        }
        const std::array<O, 4> totals{c.zeroDeviation, c.linearity, c.maxRepeatability, c.maxHysteresis};
        for (std::size_t i = 0; i < totals.size(); ++i)
            expectNear(totals[i], row.totals[i], std::array{"f0", "linearity", "largest b", "largest h"}[i]);
    }
}

} // namespace
} // namespace ortavel::verify
