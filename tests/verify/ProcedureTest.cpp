#include "verify/Procedure.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <tuple>

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
        std::string steps;
        Procedure procedure;
        bool upDown = false;
        std::vector<double> plan{};
    } rows[] = {
        {"free plan up only: the points once, nothing else", "1u:0,50,100 |", Plan, false, {0, 50, 100}},
        {"free plan up and down: the top is not read twice", "1u:0,50,100 2d:50,0 | h", Plan, true, {0, 50, 100}},
        {"free plan of one point up and down: nothing to come down to", "1u:50 | h", Plan, true, {50}},
        // DKD-R 6-1 C: 1 preload, 5 points, M1 up and M2 down as one cycle; the plan's points play no part.
        {"dkd-c", "L1 Z1< 1u:0,25,50,75,100 2d:100,75,50,25,0 Z2> | h f0", DkdC, false, {10, 20}},
        {"dkd-b: M3 is a cycle of its own", "L1 L2 Z1< 1u:" + n + " 2d:" + d + " Z2> Z3< 3u:" + n + " Z3> | b h f0",
         DkdB},
        {"dkd-a: two cycles", "L1 L2 L3 Z1< 1u:" + n + " 2d:" + d + " Z2> Z3< 3u:" + n + " 4d:" + d + " Z4> | b h f0",
         DkdA},
        // cg-17 basic: 6 points up and down, then three increasing series at 0 % and 40 % for repeatability.
        {"cg17", "L1 Z1< 1u:0,20,40,60,80,100 2d:100,80,60,40,20,0 Z2> Z3< 3u:0,40 4u:0,40 5u:0,40 Z5> | b h f0",
         Cg17Basic},
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
    // The names the command line, the settings and the CSV carry, and the report's titles.
    const std::tuple<Procedure, const char *, const char *> names[] = {
        {Plan, "plan", "Free plan"},
        {DkdA, "dkd-a", "DKD-R 6-1 (03/2014) sequence A"},
        {DkdB, "dkd-b", "DKD-R 6-1 (03/2014) sequence B"},
        {DkdC, "dkd-c", "DKD-R 6-1 (03/2014) sequence C"},
        {Cg17Basic, "cg17-basic", "EURAMET cg-17 (v2.0) basic procedure"}};
    for (const auto &[p, name, title] : names) {
        EXPECT_EQ(procedureName(p), name);
        EXPECT_EQ(procedureFromName(name), p);
        EXPECT_EQ(procedureTitle(p), title);
    }
    EXPECT_EQ(procedureFromName("DKD-A"), std::nullopt);
}

SeriesErrors flat(int series, Direction d, std::vector<double> percents, double error, O before = {}, O after = {})
{
    std::vector<O> errors(percents.size(), error);
    return {series, d, std::move(percents), std::move(errors), before, after};
}

void expectNear(const O &actual, const O &expected, const char *what)
{
    ASSERT_EQ(actual.has_value(), expected.has_value()) << what;
    if (expected) {
        EXPECT_NEAR(*actual, *expected, 1e-9) << what;
    }
}

// Errors in Pa, to keep the worked numbers short.
TEST(Procedure, CharacteristicsAgainstHandWorkedSeries)
{
    using enum Procedure;
    const std::vector<double> five{0, 25, 50, 75, 100}, six{0, 20, 40, 60, 80, 100}, rep{0, 40};
    const std::vector<double> nine{0, 12.5, 25, 37.5, 50, 62.5, 75, 87.5, 100};
    const SeriesErrors c1{1, kUp, five, {0, 50, 100, 150, 200}, 1, {}},
        c2{2, kDown, five, {10, 60, 110, 160, 210}, {}, 5};
    const SeriesErrors c2gap{2, kDown, five, {10, 60, {}, 160, 210}, {}, 5};
    const auto a1 = flat(1, kUp, nine, 0, 0), a2 = flat(2, kDown, nine, 20, {}, 3);
    const auto a3 = flat(3, kUp, nine, 10, 1), a4 = flat(4, kDown, nine, 40, {}, -4);
    const std::vector dkdB{a1, flat(2, kDown, nine, 20, {}, 2),
                           SeriesErrors{3, kUp, nine, {0, 0, 0, 0, 30, 0, 0, 0, 0}, 1, 1}};
    const std::vector aGaps{a1, a2, a3, SeriesErrors{4, kDown, nine, {40, {}, 40, 40, 40, 40, 40, 40, 40}, {}, {}}};
    const std::vector<SeriesErrors> cg17{flat(1, kUp, six, 0, 0),
                                         flat(2, kDown, six, 10, {}, 1),
                                         {3, kUp, rep, {4, 2}, 0, {}},
                                         {4, kUp, rep, {-2, 6}, {}, {}},
                                         {5, kUp, rep, {0, 1}, {}, 2}};
    const std::vector<SeriesErrors> plan{{1, kUp, {0, 50, 100}, {0, 100, 200}, {}, {}},
                                         {2, kDown, {50, 0}, {130, 20}, {}, {}}};
    const struct {
        const char *why;
        Procedure procedure;
        std::vector<SeriesErrors> input;
        std::vector<PointCharacteristics> at; // percent, mean error, b, h
        O totals[4];                          // f0, linearity, largest b, largest h
    } rows[] = {
        // Mean 5 + 2 x is a straight line; down - up = 10 everywhere; f0 = 5 - 1.
        {"dkd-c straight errors", DkdC, {c1, c2}, {{50, 105, {}, 10}}, {4, 0, {}, 10}},
        // 50 % from M1 alone: 100, 5 below the line; the fitted line is then flat at -1 off it, 4 at 50 %.
        {"dkd-c 50 % down skipped", DkdC, {c1, c2gap}, {{50, 100, {}, {}}, {25, 55, {}, 10}}, {4, 4, {}, {}}},
        // M3 30 above M1 at 50 % only: b 30 there; means 20/3, at 50 % 50/3: the centre point 10 high, the line flat
        // at 10/9 above, 80/9 at most. f0 from M1/M2 2, M3 alone 0.
        {"dkd-b b of M1/M3", DkdB, dkdB, {{50, 50. / 3, 30, 20}, {0, 20. / 3, 0, 20}}, {2, 80. / 9, 30, 20}},
        // b = max(10, 20); h = (20 + 30) / 2; mean 70 / 4 everywhere; f0 = max(3, 5).
        {"dkd-a both cycles", DkdA, {a1, a2, a3, a4}, {{100, 17.5, 20, 25}}, {5, 0, 20, 25}},
        // 12.5 % from M1-M3: mean 10, 7.5 below the rest; the line through them: -7.5/9 + 0.03 (x - 50), so
        // 7.5 * 8/9 - 37.5 * 0.03 = 5.541666667 off at 12.5 %. No f0: M4's zero is missing.
        {"dkd-a M4 gaps", DkdA, aGaps, {{12.5, 10, {}, {}}, {25, 17.5, 20, 25}}, {{}, 5.541666667, {}, {}}},
        // Ranges: at 0 % 4 - -2, at 40 % 6 - 1; the larger stands for 80 % too. Means 2.4, 5, 3.8, 5, 5, 5: line
        // 26.2/6 + 142/7000 (x - 50), 1.241904762 off at 20 %.
        {"cg17 one b", Cg17Basic, cg17, {{80, 5, 6, 10}, {0, 2.4, 6, 10}}, {2, 1.241904762, 6, 10}},
        // Line through (0, 10), (100, 200): 1.9 x + 13.333, 6.667 under the middle; no h at the top.
        {"free plan", Plan, plan, {{0, 10, {}, 20}, {50, 115, {}, 30}, {100, 200, {}, {}}}, {{}, 20. / 3, {}, 30}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.why);
        const Characteristics c = characteristicsOf(row.procedure, row.input);
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
