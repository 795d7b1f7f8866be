#include "ui/CalibrationWindow.h"
#include "about/FrmOrtavelAbout.h"
#include "adapters/SerialPortQt.h"
#include "adapters/SettingsStoreQt.h"
#include "calib/frmYHJZ.h"
#include "link/Numbers.h"
#include "link/PortMap.h"
#include "link/SteadyClock.h"
#include "mainwin/FakeServices.h"
#include "mainwin/Ortavel.h"
#include "sim/SimServer.h"
#include "ui/AboutBox.h"
#include "ui/FormView.h"
#include "ui/MainWindow.h"
#include "ui/QtEventPump.h"
#include "ui/QtSystemTools.h"
#include "ui/QtWindowHost.h"
#include "ui/ToolWindows.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace ortavel::test {
namespace {

// The tool as the operator meets it: main window, calibration window and
// About box offscreen, on the real serial port to a simulated transmitter
// 01 at 9600 baud with two calibration points.
class CalibrationWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sim::BusConfig bus;
        sim::TransmitterConfig &t = bus.transmitters.emplace_back();
        t.pressure = 12.5;
        t.working.pointCount = 2;
        t.working.standard = {0.0, 40.0};
        t.working.measured = {0.25, 40.5};
        ASSERT_TRUE(folder.isValid());
        portMap.setOverride(1, server.start(bus));
        settings.setValue("Kavrin", "Transmitter", "CommPort", "1");
        windows.addWindow(model.name(), &window, true);
        addToolWindows(windows, model, tools, nullptr);
        model.Form_Load();
        model.OnlineList = {3};
        model.CMB_ADDR.addItem("01", 0);
        model.CMB_ADDR.setSelectedIndex(0);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    // Opens the calibration window from the menu, as a new window.
    CalibrationWindow *openCalibration()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        window.view().action(model.UserCal.name())->trigger();
        return dynamic_cast<CalibrationWindow *>(windows.window("frmYHJZ"));
    }

    template <typename W> static W *get(const CalibrationWindow *w, const Control &c)
    {
        return w->view().widgetAs<W>(c.name());
    }
    static void click(const CalibrationWindow *w, const Control &c)
    {
        QTest::mouseClick(get<QPushButton>(w, c), Qt::LeftButton);
    }

    sim::SimServer server; // outlives the port
    QTemporaryDir folder;
    SettingsStoreQt settings{folder.path()};
    PortMap portMap{&settings};
    SerialPortQt port{portMap};
    SteadyClock clock;
    FakeMessageBox messages;
    QtEventPump events;
    QtWindowHost windows;
    QtSystemTools tools;
    Ortavel model{port, clock, settings, messages, events, windows};
    MainWindow window{model};
};

TEST_F(CalibrationWindowTest, RecalibrateThreePointsSaveAndReopenToTheSameTable)
{
    CalibrationWindow *w = openCalibration();
    ASSERT_NE(w, nullptr);
    const frmYHJZ &m = w->model();
    EXPECT_EQ(get<QLineEdit>(w, m.txtCLYL(1))->text(), "+40.50");
    // Inactive rows are switched off and look it.
    EXPECT_FALSE(get<QLineEdit>(w, m.txtLLYL(2))->isEnabled());
    EXPECT_NE(get<QLineEdit>(w, m.txtLLYL(2))->palette().color(QPalette::Base),
              get<QLineEdit>(w, m.txtLLYL(1))->palette().color(QPalette::Base));

    click(w, m.CmdReCal);
    auto *count = get<QComboBox>(w, m.Combo1);
    count->setFocus();
    QTest::keyClick(count, Qt::Key_Down);
    ASSERT_EQ(count->currentText(), "3");
    const char *typed[] = {"0", "50", "100.5"};
    for (int i = 0; i < 3; ++i) {
        click(w, m.cmdYL(i));
        auto *edit = get<QLineEdit>(w, m.txtLLYL(i));
        edit->selectAll();
        QTest::keyClicks(edit, typed[i]);
    }
    click(w, m.cmdSAVE);
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].text, "Download Calibration Data finished !");
    const auto stored = server.transmitter(1)->user;
    EXPECT_EQ(stored.pointCount, 3);
    EXPECT_EQ(stored.standard[2], 100.5);
    EXPECT_EQ(stored.measured[2], 12.5);
    click(w, m.cmdExit);
    EXPECT_FALSE(w->isVisible());
    const QPointer<CalibrationWindow> closed(w);
    server.clearTrace();

    // A new window: the count and save are locked again.
    CalibrationWindow *again = openCalibration();
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(closed.isNull()) << "a closed window goes";
    const frmYHJZ &n = again->model();
    EXPECT_EQ(server.trace().size(), 17U);
    EXPECT_EQ(get<QComboBox>(again, n.Combo1)->currentText(), "3");
    EXPECT_FALSE(get<QComboBox>(again, n.Combo1)->isEnabled());
    EXPECT_FALSE(get<QPushButton>(again, n.cmdSAVE)->isEnabled());
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(readNumber(get<QLineEdit>(again, n.txtLLYL(i))->text().toStdString()), readNumber(typed[i]));
        EXPECT_EQ(get<QLineEdit>(again, n.txtCLYL(i))->text(), "+12.50");
        EXPECT_TRUE(get<QLineEdit>(again, n.txtCLYL(i))->isEnabled());
    }
}

TEST_F(CalibrationWindowTest, AccessCodeBoxOnExitAndClosingWithTheMainWindow)
{
    CalibrationWindow *w = openCalibration();
    ASSERT_NE(w, nullptr);
    const frmYHJZ &m = w->model();
    auto *pass = get<QLineEdit>(w, m.txtPass);
    const QRect exit = get<QPushButton>(w, m.cmdExit)->geometry();
    EXPECT_EQ(pass->geometry().topLeft(), exit.topLeft());
    EXPECT_NEAR(double(pass->width()) / exit.width(), 855.0 / 1095.0, 0.02);
    EXPECT_LT(pass->height(), exit.height() * 0.6);

    QTest::keyClicks(pass, "BROLKAN");
    EXPECT_TRUE(get<QPushButton>(w, m.cmdSaveFactory)->isVisible());
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(2, w->height() - 2));
    EXPECT_TRUE(pass->text().isEmpty());
    EXPECT_EQ(w->focusWidget(), pass);

    // Closing the main window first gives the count back, on the port still open.
    click(w, m.CmdReCal);
    server.clearTrace();
    window.close();
    EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(port.isOpen());
    const auto trace = server.trace();
    ASSERT_EQ(trace.size(), 1U);
    EXPECT_EQ(trace[0].command, "PN2");
}

TEST_F(CalibrationWindowTest, AboutBoxFromTheMenu)
{
    window.view().action(model.About.name())->trigger();
    auto *about = dynamic_cast<AboutBox *>(windows.window("FrmOrtavelAbout"));
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowTitle(), "About Ortavel");
    EXPECT_FALSE(about->findChild<QLabel *>("Image1")->pixmap().isNull());
    EXPECT_EQ(about->view().widgetAs<QLabel>("lblVersion")->text(), "Version 1.35e                  2008.1");
    QTest::mouseClick(about->view().widgetAs<QPushButton>("cmdOK"), Qt::LeftButton);
    EXPECT_FALSE(about->isVisible());
}

} // namespace
} // namespace ortavel::test
