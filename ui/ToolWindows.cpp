#include "ToolWindows.h"

#include "AboutBox.h"
#include "CalibrationWindow.h"
#include "ConfigurationWindows.h"
#if ORTAVEL_HISTORY
#include "HistoryWindow.h"
#include "history/FrmHistory.h"
#endif
#include "QtWindowHost.h"
#include "TrafficWindow.h"
#if ORTAVEL_TREND
#include "TrendWindow.h"
#endif
#include "VerificationWindow.h"
#include "about/FrmOrtavelAbout.h"
#include "calib/frmYHJZ.h"
#include "mainwin/Ortavel.h"
#include "traffic/FrmTraffic.h"
#include "trend/FrmTrend.h"
#include "verify/FrmVerify.h"

namespace ortavel {

std::shared_ptr<ConfigurationMenu> addToolWindows(QtWindowHost &host, Ortavel &main, SystemTools &tools,
                                                  Registry *registry, const HistoryReads *history,
                                                  const ReportNumbersMaker &reportNumbers)
{
    host.addWindowMaker("frmYHJZ", [&main] {
        auto *window = new CalibrationWindow(std::make_unique<frmYHJZ>(main));
        window->model().Form_Load();
        return window;
    });
    const std::string place = history != nullptr ? history->place : std::string();
    host.addWindowMaker("FrmOrtavelAbout", [&host, &main, &tools, registry, place] {
        auto about = std::make_unique<FrmOrtavelAbout>(tools, registry, main.messageBox(), host);
        about->showHistoryPlace(place);
        return new AboutBox(std::move(about));
    });

    host.addWindowMaker("Traffic", [&main] {
        return new TrafficWindow(std::make_unique<FrmTraffic>(main.traffic(), main.messageBox()));
    });
#if ORTAVEL_TREND
    host.addWindowMaker("Trend", [&main] {
        return new TrendWindow(std::make_unique<FrmTrend>(main.trend(), main.Label3, main.messageBox()));
    });
#endif
    host.addWindowMaker("Verification", [&main, reportNumbers] {
        auto form = std::make_unique<FrmVerify>(main);
        form->openReportNumbers = reportNumbers;
        return new VerificationWindow(std::move(form));
    });
#if ORTAVEL_HISTORY
    if (history != nullptr) {
        host.addWindowMaker("History", [&main, reads = *history] {
            return new HistoryWindow(std::make_unique<FrmHistory>(reads.store, reads.connect, main.history(),
                                                                  main.settingsStore(), main.messageBox()));
        });
    }
#endif
    return addConfigurationWindows(host, main);
}

} // namespace ortavel
