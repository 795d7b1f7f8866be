#include "ToolWindows.h"

#include "AboutBox.h"
#include "CalibrationWindow.h"
#include "QtWindowHost.h"
#include "about/FrmOrtavelAbout.h"
#include "calib/frmYHJZ.h"
#include "mainwin/Ortavel.h"

namespace ortavel {

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
}

} // namespace ortavel
