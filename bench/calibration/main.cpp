// The calibration window as the operator uses it: opened from the main
// window (17 exchanges), Recalibrate, a save of 8 points (18) and Exit,
// on the real serial port to a simulated transmitter at 9600 baud with wire
// time. Prints the time taken against the wire-time bound of the exchanges:
// the characters of every request and reply at 10 bits each, plus the
// transmitter's turnaround before each reply.

#include "adapters/SerialPortQt.h"
#include "adapters/SettingsStoreQt.h"
#include "calib/frmYHJZ.h"
#include "controls/MessageBox.h"
#include "link/PortMap.h"
#include "link/SteadyClock.h"
#include "mainwin/Ortavel.h"
#include "sim/SimServer.h"
#include "ui/CalibrationWindow.h"
#include "ui/MainWindow.h"
#include "ui/QtEventPump.h"
#include "ui/QtSystemTools.h"
#include "ui/QtWindowHost.h"
#include "ui/ToolWindows.h"

#include <QApplication>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>

namespace {

using namespace ortavel;
using Wall = std::chrono::steady_clock;

constexpr int kBaud = 9600;
constexpr int kRuns = 3;

class PrintedMessageBox final : public MessageBox {
public:
    void show(const std::string &text, const std::string &, bool) override { last = text; }
    std::string last;
};

struct Figures {
    double ms = 0;
    double boundMs = 0;
    std::size_t exchanges = 0;
    bool saved = false;
};

Figures runOnce(std::chrono::nanoseconds turnaround, const QString &folder)
{
    sim::BusConfig bus;
    sim::TransmitterConfig &t = bus.transmitters.emplace_back();
    t.working.pointCount = 8;
    for (std::size_t i = 0; i < sim::kCalibrationPoints; ++i) {
        t.working.standard.at(i) = 12.5 * static_cast<double>(i);
        t.working.measured.at(i) = 12.5 * static_cast<double>(i) + 0.25;
    }
    sim::SimServer server;
    sim::SimServer::Options options;
    options.timing.wireTime = true;
    options.timing.turnaround = turnaround;
    SettingsStoreQt settings(folder);
    PortMap portMap(&settings);
    portMap.setOverride(1, server.start(bus, options));
    settings.setValue(Ortavel::kAppTitle, Ortavel::kSettingsSection, Ortavel::kSettingsKey, "1");
    SerialPortQt port(portMap);
    SteadyClock clock;
    PrintedMessageBox messages;
    QtEventPump events;
    QtWindowHost windows;
    QtSystemTools tools;
    Ortavel model(port, clock, settings, messages, events, windows);
    MainWindow window(model);
    windows.addWindow(model.name(), &window, true);
    addToolWindows(windows, model, tools, nullptr);
    model.Form_Load();
    model.OnlineList = {3};
    model.CMB_ADDR.addItem("01", 0);
    model.CMB_ADDR.setSelectedIndex(0);
    window.show();
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
    f.saved = messages.last == frmYHJZ::kSaveDone && !calibration->isVisible();

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
    QTemporaryDir folder;
    if (!folder.isValid())
        return 1;
    std::printf("calibration window: open, Recalibrate, save 8 points, Exit; %d baud with wire time\n", kBaud);
    const struct {
        const char *name;
        std::chrono::nanoseconds turnaround;
    } settings[] = {{"no turnaround", std::chrono::nanoseconds(0)}, {"5 ms turnaround", std::chrono::milliseconds(5)}};
    int status = 0;
    for (const auto &setting : settings) {
        for (int run = 1; run <= kRuns; ++run) {
            const Figures f = runOnce(setting.turnaround, folder.path());
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
