// The collect loop as the operator runs it: the main window on the real
// serial port, one simulated transmitter at 9600 baud with wire time on a
// pseudo-terminal, Collect pressed for ten seconds. Prints the polls a
// second against the five the timer asks, the longest gap between two
// polls on the line, and the CPU the window's thread used while collecting.

#include "adapters/SerialPortQt.h"
#include "adapters/SettingsStoreQt.h"
#include "controls/MessageBox.h"
#include "link/PortMap.h"
#include "link/SteadyClock.h"
#include "mainwin/Ortavel.h"
#include "sim/SimServer.h"
#include "ui/MainWindow.h"
#include "ui/QtEventPump.h"
#include "ui/QtWindowHost.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <optional>

namespace {

using namespace ortavel;
using Wall = std::chrono::steady_clock;

constexpr int kCollectMs = 10000;
constexpr double kAskedPollsPerSecond = 5.0;

double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
}

class PrintedMessageBox final : public MessageBox {
public:
    void show(const std::string &text, const std::string &title, bool) override
    {
        std::fprintf(stderr, "message: %s: %s\n", title.c_str(), text.c_str());
    }
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    sim::BusConfig bus;
    sim::TransmitterConfig transmitter;
    transmitter.address = 1;
    transmitter.baud = 9600;
    bus.transmitters = {transmitter};
    sim::SimServer server;
    const std::string link = server.start(bus);
    QTemporaryDir folder;
    SettingsStoreQt settings(folder.path());
    settings.setValue(Ortavel::kAppTitle, Ortavel::kSettingsSection, Ortavel::kSettingsKey, "1");
    PortMap portMap(&settings);
    portMap.setOverride(1, link);
    SerialPortQt port(portMap);
    SteadyClock clock;
    PrintedMessageBox messages;
    QtEventPump events;
    QtWindowHost windows;
    Ortavel model(port, clock, settings, messages, events, windows);
    MainWindow window(model);
    windows.addWindow(model.name(), &window);
    model.Form_Load();
    window.show();
    model.setSearchLastAddress(1);
    // Found in the first pass; the other three cost their timeouts.
    model.cmdSEARCH_Click();
    if (model.CMB_ADDR.count() != 1) {
        std::fprintf(stderr, "bench_collect: the transmitter on %s was not found\n", link.c_str());
        return 1;
    }

    server.clearTrace();
    const double cpuStart = threadCpuMs();
    const auto start = Wall::now();
    model.cmdON_OFF.click();
    QTimer::singleShot(kCollectMs, &app, [&model] { model.cmdON_OFF.click(); });
    QTimer::singleShot(kCollectMs + 50, &app, &QApplication::quit);
    QApplication::exec();
    const double wallMs = std::chrono::duration<double, std::milli>(Wall::now() - start).count();
    const double cpuMs = threadCpuMs() - cpuStart;

    int polls = 0;
    double longestGapMs = 0;
    std::optional<Wall::time_point> last;
    for (const auto &entry : server.trace()) {
        if (entry.command != "RP0" && entry.command != "RT0")
            continue;
        ++polls;
        if (last)
            longestGapMs =
                std::max(longestGapMs, std::chrono::duration<double, std::milli>(entry.received - *last).count());
        last = entry.received;
    }
    const double perSecond = polls / (kCollectMs / 1000.0);
    std::printf("collect for %d ms at 9600 baud with wire time, through the window on a pseudo-terminal\n", kCollectMs);
    std::printf("%d polls, %.2f a second (the timer asks %.0f); longest gap between two polls %.1f ms\n", polls,
                perSecond, kAskedPollsPerSecond, longestGapMs);
    std::printf("window thread CPU %.1f ms in %.0f ms: %.2f %% of one core (target < 3 %%); failed polls %s/%s\n",
                cpuMs, wallMs, 100.0 * cpuMs / wallMs, model.Label19.caption().c_str(),
                model.Label20.caption().c_str());
    return 0;
}
