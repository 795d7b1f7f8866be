// The calibration window as the operator uses it: opened from the main
// window (17 exchanges), Recalibrate, a save of 8 points (18) and Exit,
// on the real serial port to a simulated transmitter at 9600 baud with wire
// time. Prints the time taken against the wire-time bound of the exchanges:
// the characters of every request and reply at 10 bits each, plus the
// transmitter's turnaround before each reply.

#include "bench/support/BenchWindow.h"
#include "calib/frmYHJZ.h"
#include "ui/CalibrationWindow.h"
#include "ui/QtSystemTools.h"
#include "ui/ToolWindows.h"

#include <QApplication>

#include <chrono>
#include <cstdio>

namespace {

using namespace ortavel;
using Wall = std::chrono::steady_clock;

constexpr int kBaud = 9600;
constexpr int kRuns = 3;

struct Figures {
    double ms = 0;
    double boundMs = 0;
    std::size_t exchanges = 0;
    bool saved = false;
};

Figures runOnce(std::chrono::nanoseconds turnaround)
{
    sim::BusConfig bus;
    sim::TransmitterConfig &t = bus.transmitters.emplace_back();
    t.working.pointCount = 8;
    for (std::size_t i = 0; i < sim::kCalibrationPoints; ++i) {
        t.working.standard.at(i) = 12.5 * static_cast<double>(i);
        t.working.measured.at(i) = 12.5 * static_cast<double>(i) + 0.25;
    }
    sim::SimServer::Options options;
    options.timing.wireTime = true;
    options.timing.turnaround = turnaround;
    bench::BenchWindow bench(bus, options);
    bench.messages.quiet = true;
    sim::SimServer &server = bench.server;
    QtWindowHost &windows = bench.windows;
    Ortavel &model = bench.model;
    QtSystemTools tools;
    addToolWindows(windows, model, tools, nullptr);
    model.OnlineList = {3};
    model.CMB_ADDR.addItem("01", 0);
    model.CMB_ADDR.setSelectedIndex(0);
    bench.window.show();
    QApplication::processEvents();
    server.clearTrace();

    const auto start = Wall::now();
    windows.showWindow("frmYHJZ");
    auto *calibration = dynamic_cast<CalibrationWindow *>(windows.window("frmYHJZ"));
    if (calibration == nullptr)
        return {};
    frmYHJZ &m = calibration->model();
    m.CmdReCal.click();
    m.Combo1.choose(frmYHJZ::kPoints);
    m.cmdSAVE.click();
    m.cmdExit.click();
    QApplication::processEvents();
    Figures f;
    f.ms = std::chrono::duration<double, std::milli>(Wall::now() - start).count();
    f.saved = bench.messages.last == frmYHJZ::kSaveDone && !calibration->isVisible();

    const auto trace = server.trace();
    f.exchanges = trace.size();
    for (const auto &entry : trace) {
        const auto characters = static_cast<double>(entry.frame.size() + entry.reply.size());
        f.boundMs += characters * 10.0 * 1000.0 / kBaud + std::chrono::duration<double, std::milli>(turnaround).count();
    }
    return f;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::printf("calibration window: open, Recalibrate, save 8 points, Exit; %d baud with wire time\n", kBaud);
    const struct {
        const char *name;
        std::chrono::nanoseconds turnaround;
    } settings[] = {{"no turnaround", std::chrono::nanoseconds(0)}, {"5 ms turnaround", std::chrono::milliseconds(5)}};
    int status = 0;
    for (const auto &setting : settings) {
        for (int run = 1; run <= kRuns; ++run) {
            const Figures f = runOnce(setting.turnaround);
            if (!f.saved || f.boundMs <= 0) {
                std::fprintf(stderr, "%s run %d: the save did not go through\n", setting.name, run);
                status = 1;
                continue;
            }
            std::printf(
                "%-16s run %d: %zu exchanges, %.1f ms against a bound of %.1f ms, ratio %.3f (target <= 1.05)\n",
                setting.name, run, f.exchanges, f.ms, f.boundMs, f.ms / f.boundMs);
        }
    }
    return status;
}
