#include "verify/Certificate.h"

#include <gtest/gtest.h>

#include <regex>
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
    EXPECT_EQ(back->lines[1].reading, "0.2000");
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

// The reference keeps the digits it was typed with, the mean gets one more than the transmitter shows, and the
// printed reading less the printed reference is the printed error to its last digit.
TEST(Verification, PrintedFiguresAddUp)
{
    const struct {
        const char *why;
        int decimals;
        std::string reference;
        std::vector<double> samples;
        const char *shownReference, *reading, *error;
    } rows[] = {
        {"a reference finer than the transmitter",
         1,
         "-100.02",
         {-99.9, -100.0, -99.9, -99.9, -100.0},
         "-100.02",
         "-99.94",
         "0.08"},
        {"the nominal taken over", 3, "", {50.2, 50.2}, "50.000", "50.2000", "0.2000"},
        {"a reference with more digits than the mean", 0, "12.345", {12, 13}, "12.345", "12.500", "0.155"},
        {"a mean rounded up", 1, "0.05", {0.1, 0.1, 0.0}, "0.05", "0.07", "0.02"},
        {"an exponent typed", 2, "1.5e1", {15.01}, "15", "15.010", "0.010"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.why);
        Plan plan;
        plan.points = {50};
        verify::Run run(plan, Identity{"01", "QX820", "A1001", "", "", "", Range{0, 100, row.decimals, "kPa", false}});
        ASSERT_TRUE(run.setReference(0, row.reference));
        for (const double sample : row.samples)
            run.addSample(0, "*01" + fixedText(sample, 3) + "\r");
        run.point(0).taken = true;
        const SheetLine line = sheetOf(run, kAsFound).lines[0];
        EXPECT_EQ(line.reference, row.shownReference);
        EXPECT_EQ(line.reading, row.reading);
        EXPECT_EQ(line.error, row.error);
        EXPECT_EQ(line.referenceFromNominal, row.reference.empty());
    }
}

// A repeated point keeps its earlier take, a skipped one says so, and the CSV brings the run back whole; a CSV whose
// sums do not hold is refused.
TEST(Verification, TheCsvKeepsEverySampleAndItsContext)
{
    Plan plan;
    plan.points = {0, 50, 100};
    plan.operatorName = "A. Field";
    plan.instrumentSerial = "SN 42";
    plan.instrumentDue = "2020-01-31";
    plan.overdueAccepted = true;
    verify::Run run(plan, Identity{"01", "QX820", "A1001", "2.10", "ERR 0", "2026-12-07 08:00:00 +01:00",
                                   Range{-100, 100, 2, "kPa", false}});
    run.addSample(0, "*01-100.20\r");
    run.point(0).taken = true;
    run.repeatPoint(0);
    ASSERT_TRUE(run.setReference(0, "-100.004"));
    run.addSample(0, "*01-100.00\r");
    run.point(0).taken = true;
    run.skipPoint(1);
    run.addSample(2, "*01100.01\r");
    run.point(2).taken = true;
    EXPECT_EQ(run.verdict(), Verdict::Incomplete);
    Certificate certificate;
    certificate.asFound = sheetOf(run, kAsFound);
    certificate.reportNumber = "CAL-2026-0001";
    std::stringstream csv;
    writeCsv(csv, certificate);
    std::string error;
    std::stringstream in(csv.str());
    const auto back = readAsFoundCsv(in, error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(back->identity.version, "2.10");
    EXPECT_EQ(back->identity.time, "2026-12-07 08:00:00 +01:00");
    EXPECT_EQ(back->identity.range.low, -100);
    EXPECT_EQ(back->identity.range.decimals, 2);
    EXPECT_EQ(back->plan.operatorName, "A. Field");
    EXPECT_EQ(back->plan.instrumentSerial, "SN 42");
    EXPECT_TRUE(back->plan.overdueAccepted);
    EXPECT_EQ(back->discardedTakes(), 1);
    EXPECT_EQ(back->skippedPoints(), 1);
    ASSERT_EQ(back->lines.size(), 3U);
    EXPECT_EQ(back->lines[0].discarded, std::vector<std::vector<std::string>>{{"-100.200"}});
    EXPECT_EQ(back->lines[0].samples, std::vector<std::string>{"-100.000"});
    EXPECT_EQ(back->lines[0].error, "0.004");
    EXPECT_FALSE(back->lines[0].referenceFromNominal);
    EXPECT_TRUE(back->lines[2].referenceFromNominal);
    EXPECT_EQ(back->lines[1].result, "skipped");

    std::string altered = csv.str();
    altered.replace(altered.find(",0.004,"), 7, ",0.005,");
    std::stringstream tampered(altered);
    EXPECT_FALSE(readAsFoundCsv(tampered, error));
    EXPECT_NE(error.find("is not its error"), std::string::npos) << error;
}

// Span 100, tolerance 0.25 % = 0.25; one sample at 50.2 (error 0.2) on 3 decimals; the reference's U 0.1 at k = 2
// gives u = 0.05, resolution 0.001 / (2 sqrt 3) = 0.000289, so U = 2 * sqrt(0.05^2 + 0.000289^2) = 0.1000 and
// T - U = 0.15 < 0.2 <= T.
TEST(Verification, TheDecisionRuleJudgesEachPointAndTheRun)
{
    const struct {
        DecisionRule rule;
        const char *stated;
        const char *result, *verdict, *title, *expanded;
    } rows[] = {
        {DecisionRule::Simple, "", "pass", "PASS", "Verification report", ""},
        {DecisionRule::Simple, "0.1", "pass", "PASS", "Calibration certificate", "0.1000"},
        {DecisionRule::Guarded, "0.1", "fail", "FAIL", "Calibration certificate", "0.1000"},
        {DecisionRule::Conditional, "0.1 k=2", "conditional pass", "CONDITIONAL PASS", "Calibration certificate",
         "0.1000"},
        // 0.1 % of a reading of 50 at k = 2: u = 0.025; the resolution puts U a hair above 0.0500, so T - U is
        // just below the error of 0.2.
        {DecisionRule::Conditional, "0.1%", "conditional pass", "CONDITIONAL PASS", "Calibration certificate",
         "0.0500"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.stated);
        Plan plan;
        plan.points = {50};
        plan.decision = row.rule;
        plan.referenceUncertainty = parseReferenceUncertainty(row.stated);
        verify::Run run(plan, Identity{"01", "QX820", "A1001", "", "", "", Range{0, 100, 3, "kPa", false}});
        run.addSample(0, "*0150.200\r");
        run.point(0).taken = true;
        Certificate certificate;
        certificate.asFound = sheetOf(run, kAsFound);
        EXPECT_EQ(certificate.asFound->lines[0].result, row.result);
        EXPECT_EQ(verdictName(run.verdict()), row.verdict);
        EXPECT_EQ(certificate.title(), row.title);
        EXPECT_EQ(certificate.asFound->lines[0].expanded, row.expanded);
        std::stringstream csv;
        writeCsv(csv, certificate);
        std::string error;
        const auto back = readAsFoundCsv(csv, error);
        ASSERT_TRUE(back) << error;
        EXPECT_EQ(back->plan.decision, row.rule);
        EXPECT_EQ(verdictName(back->verdict), row.verdict);
        EXPECT_EQ(back->lines[0].expanded, row.expanded);
    }
}

TEST(Verification, AReferencePastItsDueDate)
{
    const struct {
        const char *due;
        bool valid, overdue;
    } rows[] = {{"", true, false},
                {"2026-12-07", true, false},
                {"2026-12-06", true, true},
                {"2024-02-29", true, true},
                {"2023-02-29", false, false},
                {"2026-13-01", false, false},
                {"07.12.2026", false, false},
                {"2027-01-01", true, false}};
    for (const auto &row : rows) {
        Plan plan;
        plan.instrumentDue = row.due;
        EXPECT_EQ(!plan.problem(), row.valid) << row.due;
        EXPECT_EQ(plan.referenceOverdue("2026-12-07 08:00:00 +01:00"), row.overdue) << row.due;
    }
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

// A dkd-c run read at its nominals, 0.010 kPa more on the way down and 0.020 more at the zero after it: h and f0 as
// worked by hand. A skipped reading leaves its figure unknown, never smaller. The CSV carries the figures back with
// the procedure and the reading taken early.
TEST(Verification, AProcedureRunReportsItsCharacteristicsAndTheCsvKeepsThem)
{
    const struct {
        const char *why;
        int skippedStep; // 0 preload, 1 zero, 2-6 up, 7-11 down, 12 zero; -1 none
        std::vector<std::string> expected;
    } rows[] = {
        {"every step read", -1, {"hysteresis_h 0.0100", "zero_deviation_f0 0.0200", "linearity 0.0000"}},
        {"the zero after skipped: no f0", 12, {"hysteresis_h 0.0100", "zero_deviation_f0 -", "linearity 0.0000"}},
        // Means 0.005 but 0 at 75 %: the least-squares line misses 75 % by 0.0035.
        {"the down point at 75 % skipped: no h", 8, {"hysteresis_h -", "zero_deviation_f0 0.0200", "linearity 0.0035"}},
    };
    const auto texts = [](const std::vector<SheetCharacteristic> &figures) {
        std::vector<std::string> out;
        for (const SheetCharacteristic &c : figures)
            out.push_back(c.key + " " + c.value);
        return out;
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.why);
        Plan plan;
        plan.procedure = Procedure::DkdC;
        verify::Run run(plan, Identity{"01", "QX820", "A1001", "2.10", "25.46", "", Range{0, 100, 3, "kPa", false}});
        ASSERT_EQ(run.steps().size(), 13U);
        for (int i = 0; i < 13; ++i) {
            const Step step = run.steps()[static_cast<std::size_t>(i)].step;
            if (step.kind == StepKind::Preload) {
                run.confirmPreload(i);
            } else if (i == row.skippedStep) {
                run.skipStep(i);
            } else {
                const double offset = step.kind == StepKind::Zero ? (step.zeroBefore ? 0 : 0.02)
                                                                  : (step.direction == Direction::Down ? 0.01 : 0);
                run.addStepSample(i, "*01" + fixedText(run.reading(i)->nominal + offset, 3) + "\r");
                run.reading(i)->taken = true;
            }
        }
        run.reading(2)->takenEarly = true;
        ASSERT_TRUE(run.done());
        const RunSheet sheet = sheetOf(run, kAsFound);
        EXPECT_EQ(texts(sheet.characteristics), row.expected);

        Certificate certificate;
        certificate.asFound = sheet;
        std::stringstream csv;
        writeCsv(csv, certificate);
        std::string error;
        // Counts past any int are refused, not converted.
        const std::string text =
            std::regex_replace(csv.str(), std::regex("(samples|decimals|dwell_seconds): \\d+"), "$1: 1e300");
        std::istringstream in(text);
        const auto back = readAsFoundCsv(in, error);
        ASSERT_TRUE(back) << error;
        EXPECT_EQ(back->plan.procedure, Procedure::DkdC);
        EXPECT_EQ(std::vector({back->plan.samples, back->identity.range.decimals, back->plan.dwellSeconds}),
                  std::vector({5, 0, 0}))
            << text;
        EXPECT_EQ(texts(back->characteristics), row.expected);
        EXPECT_EQ(back->lines.size(), 10U) << "the zero readings are no points";
        EXPECT_TRUE(back->lines[0].takenEarly && !back->lines[1].takenEarly) << text;
    }
}

} // namespace
} // namespace ortavel::verify
