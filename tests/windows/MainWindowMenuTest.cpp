// The main window as built for Windows, on fakes: without Qt Charts the View
// menu has no Trend entry, and the window host no Trend window.
#include "mainwin/FakeServices.h"
#include "mainwin/Ortavel.h"
#include "support/FakeClock.h"
#include "support/FakeSerialPort.h"
#include "support/MemoryHistory.h"
#include "support/MemorySettingsStore.h"
#include "ui/MainWindow.h"
#include "ui/QtEventPump.h"
#include "ui/QtSystemTools.h"
#include "ui/QtWindowHost.h"
#include "ui/ToolWindows.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

namespace ortavel::test {
namespace {

TEST(WindowsMainWindow, ViewMenuHasNoTrend)
{
    FakeClock clock;
    FakeSerialPort port{clock};
    MemorySettingsStore settings;
    FakeMessageBox messages;
    QtEventPump events;
    QtWindowHost windows;
    QtSystemTools tools;
    MemoryHistory history;
    Ortavel model{port, clock, settings, messages, events, windows, history.recorder};
    MainWindow window{model};
    windows.addWindow(model.name(), &window, true);
    addToolWindows(windows, model, tools, nullptr);
    model.Form_Load();

    QStringList view;
    for (const QAction *menu : window.menuBar()->actions()) {
        if (menu->text() == QStringLiteral("View(&V)")) {
            for (const QAction *item : menu->menu()->actions())
                view << item->text();
        }
    }
    EXPECT_EQ(view,
              QStringList({"Traffic(&T)", "Quick Search(&Q)", "Quick Search Wait...(&W)", "Verification(&E)..."}));
    model.mnuTrend_Click();
    EXPECT_EQ(windows.window("Trend"), nullptr);
    model.mnuTraffic_Click();
    EXPECT_NE(windows.window("Traffic"), nullptr);
}

} // namespace
} // namespace ortavel::test
