// The main window as built for Windows, on a fake bus: the View menu opens
// the Trend window, and a few seconds of Collect under Wine's timers draw in it.
#include "mainwin/FakeBus.h"
#include "mainwin/FakeServices.h"
#include "mainwin/Ortavel.h"
#include "support/FakeClock.h"
#include "support/FakeSerialPort.h"
#include "support/MemoryHistory.h"
#include "support/MemorySettingsStore.h"
#include "trend/FrmTrend.h"
#include "ui/FormView.h"
#include "ui/MainWindow.h"
#include "ui/QtEventPump.h"
#include "ui/QtSystemTools.h"
#include "ui/QtWindowHost.h"
#include "ui/ToolWindows.h"
#include "ui/TrendWindow.h"

#include <QAction>
#include <QLineSeries>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace ortavel::test {
namespace {

int points(const std::vector<QLineSeries *> &lines)
{
    int count = 0;
    for (const QLineSeries *line : lines)
        count += line->count();
    return count;
}

TEST(WindowsMainWindow, TrendDrawsWhatAFewSecondsOfCollectRead)
{
    FakeClock clock;
    FakeSerialPort port{clock};
    FakeBus bus{port};
    bus.add("07", {3}).values = FakeBus::typicalValues("1.50");
    MemorySettingsStore settings;
    settings.setValue("Kavrin", "Transmitter", "CommPort", "3");
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
    model.setSearchLastAddress(8);
    model.cmdSEARCH.click();
    ASSERT_EQ(model.CMB_ADDR.count(), 1);

    QAction *menuEntry = window.view().action(model.mnuTrend.name());
    ASSERT_NE(menuEntry, nullptr);
    menuEntry->trigger();
    auto *trend = dynamic_cast<TrendWindow *>(windows.window("Trend"));
    ASSERT_NE(trend, nullptr);
    // The bus's replies take fake time; it follows the real time the timers run on.
    QTimer fakeTime;
    QObject::connect(&fakeTime, &QTimer::timeout, [&clock] { clock.advance(50); });
    fakeTime.start(50);
    model.cmdON_OFF.click();
    QTest::qWait(3000);
    model.cmdON_OFF.click();
    trend->model().tmrRedraw_Timer();
    EXPECT_GE(points(trend->lines(true)), 4);
    EXPECT_GE(points(trend->lines(false)), 4);
    EXPECT_TRUE(messages.shown.empty());
}

} // namespace
} // namespace ortavel::test
