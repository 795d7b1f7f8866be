// The Trend window with a day of collecting: 216,000 polls of pressure and
// of temperature (one each 400 ms), a failed one now and then, drawn at the
// "all" span in a window of 1000 x 600 on the offscreen platform. Times
// twenty redraws, each after one more poll: the model's decimated picture,
// the series replaced and the chart painted. Target: under 50 ms a redraw.

#include "controls/Label.h"
#include "controls/MessageBox.h"
#include "trend/FrmTrend.h"
#include "ui/TrendWindow.h"

#include <QApplication>
#include <QChartView>
#include <QLineSeries>
#include <QPixmap>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

namespace {

using namespace ortavel;
using Wall = std::chrono::steady_clock;

constexpr int kPolls = 216000;
constexpr int kRedraws = 20;

class PrintedMessages final : public MessageBox {
public:
    void show(const std::string &text, const std::string &, bool) override
    {
        std::fprintf(stderr, "message: %s\n", text.c_str());
    }
};

double msSince(Wall::time_point start)
{
    return std::chrono::duration<double, std::milli>(Wall::now() - start).count();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    TrendRecorder recorder;
    std::mt19937 random(11);
    std::normal_distribution<double> noise(0.0, 0.01);
    recorder.startRun(0);
    for (int i = 0; i < kPolls; ++i) {
        const std::int64_t t = 400LL * i;
        const bool failed = i % 5000 == 4999;
        const double drift = std::sin(i / 20000.0);
        recorder.add(TrendQuantity::Pressure, t,
                     failed ? std::nullopt : std::optional<double>(12.3 + 0.1 * drift + noise(random)));
        recorder.add(TrendQuantity::Temperature, t + 200,
                     failed ? std::nullopt : std::optional<double>(25.0 + 2.0 * drift + noise(random)));
    }

    Label unit("Label3", "kPa");
    PrintedMessages messages;
    TrendWindow window(std::make_unique<FrmTrend>(recorder, unit, messages));
    window.resize(1000, 600);
    window.show();
    window.model().cmbSpan.choose(3); // all
    QApplication::processEvents();

    std::vector<double> redraws;
    std::vector<double> pictures;
    for (int i = 0; i < kRedraws; ++i) {
        const std::int64_t t = 400LL * (kPolls + i);
        recorder.add(TrendQuantity::Pressure, t, 12.3);
        const auto start = Wall::now();
        window.model().tmrRedraw_Timer();
        const QPixmap painted = window.chartView()->grab();
        redraws.push_back(msSince(start));
        const auto pictureStart = Wall::now();
        const TrendPicture picture = window.model().picture(900);
        pictures.push_back(msSince(pictureStart));
        if (painted.isNull() || picture.pressure.empty())
            return 1;
    }
    std::sort(redraws.begin(), redraws.end());
    std::sort(pictures.begin(), pictures.end());
    std::size_t points = 0;
    for (const QLineSeries *line : window.lines(true))
        points += static_cast<std::size_t>(line->count());
    std::printf("trend: %zu pressure and %zu temperature polls at the \"all\" span, chart 1000 x 600 offscreen\n",
                recorder.samples(TrendQuantity::Pressure).size(), recorder.samples(TrendQuantity::Temperature).size());
    std::printf("redraw (picture, series, paint): median %.1f ms, longest %.1f ms of %d (target < 50 ms)\n",
                redraws[redraws.size() / 2], redraws.back(), kRedraws);
    std::printf("decimated picture alone: median %.1f ms; pressure drawn as %zu points in %zu segments\n",
                pictures[pictures.size() / 2], points, window.lines(true).size());
    return redraws[redraws.size() / 2] < 50.0 ? 0 : 1;
}
