#include "ToolWindows.h"

#include "AboutBox.h"
#include "CalibrationWindow.h"
#include "QtWindowHost.h"
#include "TrafficWindow.h"
#include "TrendWindow.h"
#include "about/FrmOrtavelAbout.h"
#include "calib/frmYHJZ.h"
#include "mainwin/Ortavel.h"
#include "traffic/FrmTraffic.h"
#include "trend/FrmTrend.h"

namespace ortavel {

namespace {
// The Search button's caption while a search runs, when the main window
// refuses to close.
constexpr const char *kSearchRunning = "Stop";
} // namespace

void addToolWindows(QtWindowHost &host, Ortavel &main, SystemTools &tools, Registry *registry)
{
    host.addWindowMaker("frmYHJZ", [&main] {
        auto *window = new CalibrationWindow(std::make_unique<frmYHJZ>(main));
        window->model().Form_Load();
        return window;
    });
    host.addWindowMaker("FrmOrtavelAbout", [&host, &main, &tools, registry] {
        return new AboutBox(std::make_unique<FrmOrtavelAbout>(tools, registry, main.messageBox(), host));
    });

    host.addWindowMaker("Traffic", [&main] {
        return new TrafficWindow(std::make_unique<FrmTraffic>(main.traffic(), main.messageBox()));
    });
    host.addWindowMaker("Trend", [&main] {
        return new TrendWindow(std::make_unique<FrmTrend>(main.trend(), main.Label3, main.messageBox()));
    });

    // The closing steps of the other windows still need the port.
    const auto closeOthersFirst = [&host, &main] {
        if (main.cmdSEARCH.caption() != kSearchRunning)
            host.closeOthers(main.name());
    };
    main.onQueryUnload = [closeOthersFirst, unload = main.onQueryUnload] {
        closeOthersFirst();
        return !unload || unload();
    };
    for (Label *exit : std::initializer_list<Label *>{&main.COM_QUIT, &main.Exit}) {
        exit->onClick = [closeOthersFirst, click = exit->onClick] {
            closeOthersFirst();
            if (click)
                click();
        };
    }
}

} // namespace ortavel
