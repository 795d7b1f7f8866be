#include "verify/Certificate.h"

#include <gtest/gtest.h>

#include <sstream>

namespace ortavel::verify {
namespace {

Run oneRun(double low, double high, double tolerance, std::vector<double> points, bool upDown)
{
    Plan plan;
    plan.points = std::move(points);
    plan.upDown = upDown;
    plan.tolerancePct = tolerance;
    Identity identity{"01", "QX820", "A1001", "2.10", "25.46", "", Range{low, high, 3, "kPa", false}};
    return Run(plan, identity);
}

// Each row: a range, a tolerance, the reference typed, the polled results, and what the point must show.
TEST(Verification, PointFiguresAndVerdicts)
{
    const struct {
        double low, high, tolerance, reference;
        std::vector<std::string> polls;
        PointResult result;
        double reading, errorPct;
        bool unstable;
    } rows[] = {
        {0, 100, 0.25, 50, {"*0150.200\r", "*0150.200\r"}, PointResult::Pass, 50.2, 0.2, false},
        // -100 to +100 kPa: a span of 200; 0.5 kPa is exactly the tolerance, and passes.
        {-100, 100, 0.25, -50, {"*01-49.500\r"}, PointResult::Pass, -49.5, 0.25, false},
        {-100, 100, 0.25, -50, {"*01-50.502\r"}, PointResult::Fail, -50.502, -0.251, false},
        // A reversed range measures its span the same way.
        {100, 0, 0.25, 50, {"*0149.700\r"}, PointResult::Fail, 49.7, -0.3, false},
        // Spread 0.1 of 100 is above a quarter of 0.25 %: unstable, still judged by its mean.
        {0, 100, 0.25, 25, {"*0124.950\r", "*0125.050\r"}, PointResult::Pass, 25, 0, true},
        {0, 100, 0.25, 25, {"*0125.000\r", "ERR 0\r", "*0125.000\r"}, PointResult::NotRead, 0, 0, false},
        {0, 100, 0.25, 25, {"EER 3\r"}, PointResult::NotRead, 0, 0, false},
        {0, 100, 0.25, 25, {"*01\r"}, PointResult::NotRead, 0, 0, false},
        {0, 100, 0.25, 25, {"*01abc\r"}, PointResult::NotRead, 0, 0, false},
        // A stray frame of another transmitter is no sample of this one.
        {0, 100, 0.25, 25, {"*0525.000\r"}, PointResult::NotRead, 0, 0, false},
    };
    for (const auto &row : rows) {
        auto run = oneRun(row.low, row.high, row.tolerance, {50}, false);
        run.point(0).reference = row.reference;
        for (const auto &poll : row.polls)
            run.addSample(0, poll);
        run.point(0).taken = true;
        const Figures f = run.figures(0);
        const std::string what = row.polls.front() + " of " + std::to_string(row.low) + ".." + std::to_string(row.high);
        EXPECT_EQ(f.result, row.result) << what;
        EXPECT_EQ(run.verdict(), row.result == PointResult::Pass   ? Verdict::Pass
                                 : row.result == PointResult::Fail ? Verdict::Fail
                                                                   : Verdict::Incomplete)
            << what;
        if (row.result == PointResult::NotRead) {
            EXPECT_EQ(sheetOf(run, kAsLeft).lines[0].reading, "") << what;
            continue;
        }
        EXPECT_NEAR(f.reading, row.reading, 1e-9) << what;
        EXPECT_NEAR(f.errorPct, row.errorPct, 1e-9) << what;
        EXPECT_EQ(f.unstable, row.unstable) << what;
    }
}

// Up and down at 0..100 on -100..+100: the sequence, the nominals, hysteresis as the difference of errors.
TEST(Verification, HysteresisAndTheCsvReadBack)
{
    auto run = oneRun(-100, 100, 0.25, {0, 50, 100}, true);
    const double readings[] = {-100.1, 0.2, 100.0, -0.2, -100.1};
    ASSERT_EQ(run.points().size(), 5U);
    EXPECT_EQ(run.points()[3].planned.direction, Direction::Down);
    EXPECT_DOUBLE_EQ(run.points()[3].nominal, 0);
    for (int i = 0; i < 5; ++i) {
        run.addSample(i, "*01" + fixedText(readings[i], 3) + "\r");
        run.point(i).taken = true;
    }
    const auto h = run.hysteresis();
    ASSERT_EQ(h.size(), 2U);
    EXPECT_NEAR(*h[0].pctOfSpan, 0.2, 1e-9);
    EXPECT_NEAR(*h[1].pctOfSpan, 0.0, 1e-9);
    EXPECT_EQ(run.verdict(), Verdict::Pass);

    // What the CSV holds reads back as the same as-found run.
    Certificate certificate;
    certificate.asFound = sheetOf(run, kAsFound);
    std::stringstream csv;
    writeCsv(csv, certificate);
    std::string error;
    const auto back = readAsFoundCsv(csv, error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(back->identity.id, "A1001");
    EXPECT_EQ(back->verdict, Verdict::Pass);
    ASSERT_EQ(back->lines.size(), 5U);
    EXPECT_EQ(back->lines[1].reading, "0.200");
    EXPECT_EQ(back->lines[1].errorPct, "0.10");
    EXPECT_EQ(back->hysteresis[0].pctOfSpan, "0.20");
    // Saved again with Windows line ends, it reads the same.
    std::string windowsText;
    for (const char c : csv.str())
        windowsText += c == '\n' ? std::string("\r\n") : std::string(1, c);
    std::stringstream windowsCsv(windowsText);
    const auto again = readAsFoundCsv(windowsCsv, error);
    ASSERT_TRUE(again) << error;
    ASSERT_EQ(again->lines.size(), 5U);
    EXPECT_EQ(again->lines[4].result, back->lines[4].result);
    std::stringstream foreign("time_ms,baud,address\n1,2,3\n");
    EXPECT_FALSE(readAsFoundCsv(foreign, error));
}

// The span comes from DL and DH; a failed answer, no number or an empty range stops the run before it starts.
TEST(Verification, TheRangeMustBeReadToStart)
{
    const struct {
        std::string low, high;
        bool starts;
    } rows[] = {{"*01-100.000\r", "*01+100.000\r", true},
                {"ERR 0\r", "*01+100.000\r", false},
                {"*01+000.000\r", "*01\r", false},
                {"*01+050.000\r", "*01+050.000\r", false}};
    for (const auto &row : rows) {
        const auto read = readIdentity(
            [&row](const std::string &command) {
                return command == "DL" ? row.low : command == "DH" ? row.high : command == "DP" ? "*013\r" : "*01X\r";
            },
            "01", [](int) { return "kPa"; }, "now");
        EXPECT_EQ(!read.rangeProblem, row.starts) << row.low << row.high;
        EXPECT_EQ(read.identity.range.span(), row.starts ? 200 : 0) << row.low;
    }
}

} // namespace
} // namespace ortavel::verify
