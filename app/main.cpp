#include "AppOptions.h"
#include "StderrMessageBox.h"
#include "adapters/LinkPort.h"
#include "adapters/ReportNumbersOpen.h"
#include "adapters/SettingsStoreQt.h"
#if ORTAVEL_HISTORY
#include "adapters/HistoryStoreSql.h"
#include "adapters/HistoryWriter.h"
#endif
#include "history/HistoryRecorder.h"
#include "history/OperatorName.h"
#include "link/PortMap.h"
#include "link/SerialDevices.h"
#include "link/SteadyClock.h"
#include "mainwin/Ortavel.h"
#ifndef _WIN32
#include "sim/DemoBus.h"
#include "sim/SimServer.h"
#endif
#include "ui/MainWindow.h"
#include "ui/QtEventPump.h"
#include "ui/QtMessageBox.h"
#include "ui/QtSystemTools.h"
#include "ui/QtWindowHost.h"
#include "ui/ToolWindows.h"
#include "ui/VerificationWindow.h"
#include "ui/WindowLanguage.h"
#include "verify/FrmVerify.h"
#ifdef _WIN32
#include "adapters/RegistryWindows.h"
#endif

#include <QApplication>
#include <QEventLoop>
#include <QPixmap>
#include <QSysInfo>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace ortavel;

constexpr int kExitUsage = 2;
constexpr int kExitNoDisplay = 2;
// The collect before a screenshot of the Traffic or Trend window.
constexpr int kDemoCollectMs = 4000;
// Two refresh ticks of the window drawn.
constexpr int kSettleMs = 250;
constexpr int kSampleWaitMs = 20;

#if !ORTAVEL_HISTORY
// This build keeps no history: what the windows record goes nowhere.
class NoHistory final : public HistorySink {
public:
    void post(HistoryEntry) override {}
    std::optional<std::string> trouble() const override { return std::nullopt; }
};
#endif

// Who records: the login, the operator's name set in the History window,
// this computer and this program.
Origin thisOrigin(const SettingsStore &settings)
{
    Origin origin;
    origin.login = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME")).toStdString();
    origin.operatorName = rememberedOperatorName(settings);
    origin.host = QSysInfo::machineHostName().toStdString();
    origin.program = "ortavel " ORTAVEL_VERSION;
    return origin;
}

// The windows that show what collecting brings.
bool showsCollect(const AppOptions &options)
{
    return options.window && (*options.window == "Traffic" || *options.window == "Trend");
}

bool showsVerification(const AppOptions &options)
{
    return options.window && *options.window == "Verification";
}

void runEventsFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

bool haveDisplay()
{
#ifdef _WIN32
    // A Windows session always has its desktop.
    return true;
#else
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#endif
}

int noDisplay()
{
    std::fputs("ortavel: no display to show the window on (DISPLAY and WAYLAND_DISPLAY are not set).\n"
               "Run it in a desktop session, or use the command-line tool on the same bus, for example:\n"
               "  ortavel-cli --port-map 1=/dev/ttyUSB0 --port 1 search\n"
               "  ortavel-cli --port-map 1=/dev/ttyUSB0 --port 1 send 01 TY\n"
               "(ortavel-cli --help lists what it can do.)\n",
               stderr);
    return kExitNoDisplay;
}

// With --search and no remembered port, search on the first mapped port.
void openMappedPort(Ortavel &model, const AppOptions &options)
{
    if (model.MSCommBsq.isOpen() || options.portMap.empty())
        return;
    const auto first = std::min_element(options.portMap.begin(), options.portMap.end());
    model.cmbCommPort.setSelectedIndex(first->first - 1);
}

// Sets the pressure the demo bus applies to its transmitter 01.
using ApplyPressure = std::function<void(double)>;

// A whole run as the operator takes it; on the demo bus the pressure
// applied follows each point.
void takeRun(QWidget *shown, const ApplyPressure &applyPressure)
{
    auto *verification = dynamic_cast<VerificationWindow *>(shown);
    if (verification == nullptr)
        return;
    FrmVerify &form = verification->model();
    form.cmdStart.click();
    while (form.run() != nullptr && !form.run()->done()) {
        const int step = form.run()->currentStep();
        // A preload has no reading: full scale, confirmed at once.
        const verify::Point *point = form.run()->reading(step);
        applyPressure(point != nullptr ? point->nominal : form.run()->identity().range.high);
        form.cmdTake.click();
        if (!form.taking() && !form.dwelling() && form.run()->currentStep() == step)
            return;
        while (form.taking() || form.dwelling())
            runEventsFor(kSampleWaitMs);
    }
}

int screenshot(QApplication &app, MainWindow &window, QtWindowHost &windows, const AppOptions &options,
               const ApplyPressure &applyPressure)
{
    window.show();
    app.processEvents();
    if (options.search) {
        openMappedPort(window.model(), options);
        window.model().cmdSEARCH_Click();
    }
    // Opened as from the menu, after the search so that it reads the
    // transmitter found.
    QWidget *shown = &window;
    if (options.window) {
        windows.showWindow(*options.window);
        shown = windows.window(*options.window);
    }
    // The window open, a few seconds of Collect come in as the operator
    // would see them.
    if (showsCollect(options) && window.model().CMB_ADDR.count() > 0) {
        window.model().cmdON_OFF.click();
        runEventsFor(kDemoCollectMs);
        window.model().cmdON_OFF.click();
        runEventsFor(kSettleMs);
    }
    if (showsVerification(options) && window.model().CMB_ADDR.count() > 0)
        takeRun(shown, applyPressure);
    app.processEvents();
    const QString file = QString::fromStdString(*options.screenshot);
    if (shown == nullptr || !shown->grab().save(file, "PNG")) {
        std::fprintf(stderr, "ortavel: cannot write the screenshot %s\n", options.screenshot->c_str());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    std::string error;
    auto options = parseAppOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::fprintf(stderr, "ortavel: %s\n%s", error.c_str(), kAppUsage);
        return kExitUsage;
    }
    if (options->help) {
        std::fputs(kAppUsage, stdout);
        return 0;
    }
    if (options->version) {
        std::fputs("ortavel " ORTAVEL_VERSION "\n", stdout);
        return 0;
    }
    // A screenshot needs no display; the window is drawn offscreen.
    if (options->screenshot && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    else if (!haveDisplay())
        return noDisplay();

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ortavel"));

    // Traffic and Trend are drawn after a collect: on the bus given, or on
    // the demo bus simulated in this process, its first transmitter. The
    // demo bus lives on a pseudo-terminal: Windows has none, and there these
    // windows need a bus behind --port-map.
#ifndef _WIN32
    sim::SimServer demo;
    const ApplyPressure applyPressure = [&demo](double pressure) { demo.setPressure(1, pressure); };
#else
    const ApplyPressure applyPressure = [](double) {};
#endif
    if (options->screenshot && (showsCollect(*options) || showsVerification(*options))) {
        if (options->portMap.empty()) {
#ifdef _WIN32
            std::fputs("ortavel: this window is drawn after a collect on a bus; give it with --port-map\n", stderr);
            return kExitUsage;
#else
            try {
                options->portMap.emplace_back(1, demo.start(sim::demoBus()));
            } catch (const std::exception &failure) {
                std::fprintf(stderr, "ortavel: cannot start the demo bus: %s\n", failure.what());
                return 1;
            }
            if (!options->searchLast)
                options->searchLast = 1;
#endif
        }
        options->search = true;
    }

    auto settings = options->settingsDir
                        ? std::make_unique<SettingsStoreQt>(QString::fromStdString(*options->settingsDir))
                        : std::make_unique<SettingsStoreQt>();
    SerialDeviceFolder devices;
    PortMap portMap(settings.get(), &devices);
    for (const auto &[number, path] : options->portMap)
        portMap.setOverride(number, path);
    LinkPort port(portMap);
    SteadyClock clock;
    QtMessageBox boxes;
    StderrMessageBox printed;
    MessageBox &messages = options->screenshot ? static_cast<MessageBox &>(printed) : boxes;
    QtEventPump events;
    QtWindowHost windows;
    QtSystemTools tools;
#ifdef _WIN32
    RegistryWindows registryWindows;
    Registry *registry = &registryWindows;
#else
    Registry *registry = nullptr;
#endif

    // The writer stores on a thread of its own; the History window reads
    // through a connection of its own.
#if ORTAVEL_HISTORY
    // A run on its own settings folder keeps its history there too, unless
    // told otherwise: tests and screenshots stay out of the user's.
    const std::string ownFolder = options->settingsDir.value_or("");
    const HistoryPlace place = !ownFolder.empty() && !options->history
                                   ? HistoryPlace{HistoryPlace::Backend::Sqlite, ownFolder + "/history.sqlite"}
                                   : historyPlaceOf(*options, *settings);
    HistoryWriter writer(place, ownFolder.empty() ? defaultSpoolPath() : ownFolder + "/history-spool.sqlite");
    HistoryStoreSql reads(place);
    const HistoryReads historyReads{reads, [&reads] { return reads.isOpen() || reads.open(); }, place.text()};
    const HistoryReads *history = &historyReads;
    HistorySink &sink = writer;
    const std::optional<HistoryPlace> numbersFrom = place;
#else
    NoHistory sink;
    const HistoryReads *history = nullptr;
    const std::optional<HistoryPlace> numbersFrom;
#endif
    HistoryRecorder recorder(sink, thisOrigin(*settings));

    Ortavel model(port, clock, *settings, messages, events, windows, recorder);
    port.onLineFault = [&model](const std::string &fault) { model.lineNotice(fault); };
    if (options->searchLast)
        model.setSearchLastAddress(*options->searchLast);
    MainWindow window(model);
    boxes.setParent(&window);
    windows.addWindow(model.name(), &window, true);
    addToolWindows(windows, model, tools, registry, history, [numbersFrom, &settings](const std::string &prefix) {
        return openReportNumbers(numbersFrom, *settings, prefix);
    });
    WindowLanguage language;
    model.languageChoice().onLanguageChosen = [&language](const std::string &code) {
        if (!language.choose(textLanguageFromCode(code).value_or(TextLanguage::Specified)))
            std::fprintf(stderr, "ortavel: no translations for \"%s\" in %s; the texts stay as written\n", code.c_str(),
                         language.folder().toLocal8Bit().constData());
    };
    model.languageChoice().start(options->language);
    model.Form_Load();

    if (options->screenshot)
        return screenshot(app, window, windows, *options, applyPressure);
    window.show();
    return QApplication::exec();
}
