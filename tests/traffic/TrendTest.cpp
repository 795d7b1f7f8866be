#include "controls/Label.h"
#include "controls/MessageBox.h"
#include "trend/FrmTrend.h"
#include "trend/TrendRecorder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>

namespace ortavel::test {
namespace {

constexpr auto P = TrendQuantity::Pressure;
constexpr auto T = TrendQuantity::Temperature;

std::size_t pointCount(const std::vector<TrendSegment> &segments)
{
    std::size_t count = 0;
    for (const auto &segment : segments)
        count += segment.size();
    return count;
}

bool hasPoint(const std::vector<TrendSegment> &segments, double x, double y)
{
    for (const auto &segment : segments) {
        for (const auto &point : segment) {
            if (point.x == x && point.y == y)
                return true;
        }
    }
    return false;
}

// A day of noisy polls with rare spikes both ways: every spike is drawn.
TEST(TrendDecimation, KeepsEveryColumnsMinimumAndMaximum)
{
    TrendRecorder recorder;
    std::mt19937 random(7);
    std::normal_distribution<double> noise(0.0, 0.01);
    std::vector<std::size_t> spikes;
    for (int i = 0; i < 216000; ++i) {
        double value = 12.3 + noise(random);
        if (i % 9973 == 0 || i == 215500 || i == 215900) { // two in the last two columns
            value += (i % 2 ? 5.0 : -5.0);
            spikes.push_back(static_cast<std::size_t>(i));
        }
        recorder.add(P, 400LL * i, value);
    }
    const auto &samples = recorder.samples(P);
    const auto segments = decimateTrend(samples, 0, samples.back().timeS, 800);
    EXPECT_LE(pointCount(segments), 2U * 800);
    EXPECT_EQ(segments.size(), 1U) << "no failed poll, no gap";
    for (const std::size_t spike : spikes)
        EXPECT_TRUE(hasPoint(segments, samples[spike].timeS, samples[spike].value)) << spike;
}

TEST(TrendDecimation, AFailedPollIsAGapNeverAZero)
{
    TrendRecorder recorder;
    recorder.add(P, 0, 5.0);
    recorder.add(P, 400, std::nullopt);
    EXPECT_EQ(*recorder.extremes(P).low, 5.0) << "a failed poll is no low";

    // Decimated: a column whose polls all failed breaks the line too.
    TrendRecorder day;
    for (int i = 0; i < 3000; ++i)
        day.add(T, 400LL * i, (i >= 1000 && i < 1100) ? std::nullopt : std::optional<double>(20.0 + i % 7));
    const auto columns = decimateTrend(day.samples(T), 0, 1200, 100);
    ASSERT_EQ(columns.size(), 2U);
    EXPECT_LT(columns[0].back().x, 400.0);
    EXPECT_GE(columns[1].front().x, 440.0);
    EXPECT_GE(valueRange(columns)->first, 20.0) << "never a zero";
}

TEST(TrendRecorder, ARestartedCollectLeavesAGapAndTimeGoesOn)
{
    TrendRecorder recorder;
    recorder.startRun(10'000);
    recorder.add(P, 10'400, 1.0);
    recorder.add(T, 10'800, 20.0);
    recorder.startRun(60'000);
    recorder.add(P, 60'400, 2.0);
    ASSERT_EQ(recorder.samples(P).size(), 3U);
    EXPECT_TRUE(std::isnan(recorder.samples(P)[1].value));
    EXPECT_EQ(decimateTrend(recorder.samples(P), 0, 60, 100).size(), 2U);
    EXPECT_DOUBLE_EQ(recorder.lastTimeS(), 50.4);

    std::ostringstream csv;
    writeTrendCsv(csv, recorder, "kPa");
    EXPECT_EQ(csv.str(), "elapsed_s,pressure (kPa),temperature (℃)\n"
                         "0.400,1,\n"
                         "0.800,,20\n"
                         "50.000,gap,\n"
                         "50.000,,gap\n"
                         "50.400,2,\n");
}

class SilentMessages final : public MessageBox {
public:
    void show(const std::string &, const std::string &, bool) override {}
};

TEST(FrmTrend, SpansAndRedrawsOnlyOnChange)
{
    TrendRecorder recorder;
    Label unit("Label3", "Bar");
    SilentMessages messages;
    FrmTrend form(recorder, unit, messages);
    int redraws = 0;
    form.onRedraw = [&redraws] { ++redraws; };
    for (int i = 0; i <= 9000; ++i) // an hour at 400 ms
        recorder.add(P, 400LL * i, static_cast<double>(i));
    form.tmrRedraw_Timer();
    form.tmrRedraw_Timer();
    EXPECT_EQ(redraws, 1) << "nothing new, no redraw";

    form.cmbSpan.choose(3);
    EXPECT_EQ(redraws, 2) << "a new span is drawn at once";
    const auto picture = form.picture(600);
    EXPECT_EQ(picture.timeUnit, "min");
    EXPECT_LE(pointCount(picture.pressure), 1200U);

    form.chkPause.setChecked(true);
    recorder.add(P, 3'700'000, 1.0);
    form.tmrRedraw_Timer();
    EXPECT_EQ(redraws, 2) << "paused";
    form.chkPause.setChecked(false);
    EXPECT_EQ(redraws, 3);
}

} // namespace
} // namespace ortavel::test
