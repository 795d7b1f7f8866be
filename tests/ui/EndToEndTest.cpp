#include "MainWindowFixture.h"
#include "adapters/SerialPortQt.h"
#include "adapters/SettingsStoreQt.h"
#include "calib/frmYHJZ.h"
#include "link/Numbers.h"
#include "link/PortMap.h"
#include "link/SteadyClock.h"
#include "sim/DemoBus.h"
#include "sim/SimServer.h"
#include "traffic/FrmTraffic.h"
#include "ui/CalibrationWindow.h"
#include "ui/QtSystemTools.h"
#include "ui/ToolWindows.h"
#include "ui/TrafficWindow.h"
#include "ui/TrendWindow.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>

namespace ortavel::test {
namespace {

// A simulated demo bus on a pseudo-terminal behind com1, the real serial
// port and real settings files.
struct RealPlatform {
    sim::SimServer server; // outlives the port
    QTemporaryDir folder;
    SettingsStoreQt settings{folder.path()};
    PortMap portMap{&settings};
    SerialPortQt port{portMap};
    SteadyClock clock;
};

// The whole tool as the operator meets it.
class EndToEndTest : public MainWindowFixture<RealPlatform> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        portMap.setOverride(1, server.start(sim::demoBus()));
        MainWindowFixture::SetUp();
        ASSERT_TRUE(port.isOpen()) << port.errorString();
    }

    // 01 chosen, with the tool windows known to the host.
    void chooseFirst()
    {
        addToolWindows(windows, model, tools, nullptr);
        model.OnlineList = {3};
        model.CMB_ADDR.addItem("01", 0);
        model.CMB_ADDR.setSelectedIndex(0);
    }

    QString shown(const Control &control) const { return window.view().widgetAs<QLineEdit>(control.name())->text(); }
    QString panel(int number) const
    {
        return window.statusBar()->findChild<QLabel *>(QStringLiteral("StatusBar1_Panel%1").arg(number))->text();
    }
    // What the window should show for the transmitter at an address.
    void expectShowsTransmitter(int address, const char *band)
    {
        const auto state = server.transmitter(address);
        ASSERT_TRUE(state.has_value());
        EXPECT_EQ(shown(model.TXT_TYPE).toStdString(), state->config.working.type);
        EXPECT_EQ(shown(model.TXT_VER).toStdString(), state->config.version);
        EXPECT_EQ(shown(model.TXT_ID).toStdString(), state->config.working.ident);
        EXPECT_EQ(shown(model.TXT_BAND), band);
        EXPECT_EQ(shown(model.TXT_ADDR), QStringLiteral("%1").arg(address, 2, 10, QLatin1Char('0')));
        EXPECT_EQ(window.view().widgetAs<QComboBox>(model.cmbUnit.name())->currentIndex(), state->config.working.unit);
    }

    QtSystemTools tools;
};

TEST_F(EndToEndTest, SearchFindsTheDemoTransmittersAndReadsTheFirst)
{
    // 01 answers at 9600, 07 at 4800, 12 at 2400.
    model.setSearchLastAddress(12);
    QTest::mouseClick(window.view().widgetAs<QPushButton>(model.cmdSEARCH.name()), Qt::LeftButton);

    auto *addresses = window.view().widgetAs<QComboBox>(model.CMB_ADDR.name());
    QStringList found;
    for (int i = 0; i < addresses->count(); ++i)
        found << addresses->itemText(i);
    EXPECT_EQ(found, QStringList({"01", "07", "12"}));
    EXPECT_EQ(addresses->currentText(), "01");
    EXPECT_EQ(panel(1), "Searching over.");
    EXPECT_EQ(panel(2), "Online:  3");
    EXPECT_EQ(panel(4), "Band:1200");
    EXPECT_EQ(window.view().widgetAs<QPushButton>(model.cmdSEARCH.name())->text(), "Search");
    expectShowsTransmitter(1, "9600");

    // The operator picks 07: the line goes to 4800 and it is read.
    addresses->setFocus(Qt::TabFocusReason);
    QTest::keyClick(addresses, Qt::Key_Down);
    EXPECT_EQ(addresses->currentText(), "07");
    expectShowsTransmitter(7, "4800");
    EXPECT_TRUE(messages.texts.empty()) << messages.texts.front();
}

// The calibration window of 01: recalibrate three points, save, reopen to
// the same table; then close the main window with it open.
TEST_F(EndToEndTest, CalibrationSavedAndReopenedToTheSameTable)
{
    chooseFirst();
    const auto open = [this] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        window.view().action(model.UserCal.name())->trigger();
        return dynamic_cast<CalibrationWindow *>(windows.window("frmYHJZ"));
    };
    const auto get = [](const CalibrationWindow *w, const Control &c) { return w->view().widget(c.name()); };
    const auto click = [&get](const CalibrationWindow *w, const Control &c) {
        QTest::mouseClick(get(w, c), Qt::LeftButton);
    };
    const auto text = [&get](const CalibrationWindow *w, const Control &c) {
        return qobject_cast<QLineEdit *>(get(w, c))->text().toStdString();
    };
    CalibrationWindow *w = open();
    ASSERT_NE(w, nullptr);
    const frmYHJZ &m = w->model();
    EXPECT_EQ(text(w, m.txtCLYL(2)), "+99.987");
    // Inactive rows are switched off and look it.
    EXPECT_FALSE(get(w, m.txtLLYL(3))->isEnabled());
    EXPECT_NE(get(w, m.txtLLYL(3))->palette().color(QPalette::Base),
              get(w, m.txtLLYL(2))->palette().color(QPalette::Base));
    // The access code box on Exit, emptied by a click on the window.
    QWidget *pass = get(w, m.txtPass);
    const QRect exit = get(w, m.cmdExit)->geometry();
    EXPECT_EQ(pass->geometry().topLeft(), exit.topLeft());
    EXPECT_NEAR(double(pass->width()) / exit.width(), 855.0 / 1095.0, 0.02);
    EXPECT_LT(pass->height(), exit.height() * 0.6);
    QTest::keyClicks(pass, "BROLKAN");
    EXPECT_TRUE(get(w, m.cmdSaveFactory)->isVisible());
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(2, w->height() - 2));
    EXPECT_TRUE(text(w, m.txtPass).empty() && w->focusWidget() == pass);

    click(w, m.CmdReCal);
    QWidget *count = get(w, m.Combo1);
    count->setFocus();
    QTest::keyClick(count, Qt::Key_Up);
    QTest::keyClick(count, Qt::Key_Down);
    const char *typed[] = {"5", "55", "105.5"};
    std::string measured[3];
    for (int i = 0; i < 3; ++i) {
        click(w, m.cmdYL(i));
        measured[i] = text(w, m.txtCLYL(i));
        qobject_cast<QLineEdit *>(get(w, m.txtLLYL(i)))->selectAll();
        QTest::keyClicks(get(w, m.txtLLYL(i)), typed[i]);
    }
    click(w, m.cmdSAVE);
    EXPECT_EQ(messages.texts, std::vector<std::string>{"Download Calibration Data finished !"});
    EXPECT_EQ(server.transmitter(1)->user.standard[2], 105.5) << "stored in the user area";
    click(w, m.cmdExit);
    const QPointer<CalibrationWindow> closed(w);

    // A new window that starts locked again and reads the stored table.
    CalibrationWindow *again = open();
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(closed.isNull());
    const frmYHJZ &n = again->model();
    EXPECT_EQ(n.Combo1.text(), "3");
    EXPECT_FALSE(get(again, n.Combo1)->isEnabled() || get(again, n.cmdSAVE)->isEnabled());
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(readNumber(text(again, n.txtLLYL(i))), readNumber(typed[i]));
        EXPECT_EQ(text(again, n.txtCLYL(i)), measured[i]);
    }

    // Closing the main window gives the count back while the port is open.
    click(again, n.CmdReCal);
    server.clearTrace();
    window.close();
    EXPECT_FALSE(again->isVisible() || port.isOpen());
    const auto trace = server.trace();
    ASSERT_EQ(trace.size(), 1U);
    EXPECT_EQ(trace[0].command, "PN3");
}

// View > Traffic and View > Trend beside the calibration window: modeless,
// the calibration window's requests in the traffic; closing the main window
// closes them.
TEST_F(EndToEndTest, TrafficAndTrendWatchEveryWindowsExchanges)
{
    chooseFirst();
    window.view().action(model.mnuTraffic.name())->trigger();
    window.view().action(model.mnuTrend.name())->trigger();
    auto *traffic = dynamic_cast<TrafficWindow *>(windows.window("Traffic"));
    auto *trend = dynamic_cast<TrendWindow *>(windows.window("Trend"));
    ASSERT_NE(traffic, nullptr);
    ASSERT_NE(trend, nullptr);
    EXPECT_TRUE(traffic->isVisible() && trend->isVisible());
    EXPECT_EQ(traffic->windowModality(), Qt::NonModal);
    EXPECT_EQ(trend->windowModality(), Qt::NonModal);
    EXPECT_TRUE(window.isEnabled());

    // What the main window read when 01 was chosen is there from the start.
    QAbstractItemModel *rows = traffic->exchanges()->model();
    const int read = rows->rowCount();
    EXPECT_GT(read, 10);
    window.view().action(model.UserCal.name())->trigger();
    ASSERT_NE(windows.window("frmYHJZ"), nullptr);
    traffic->model().tmrRefresh_Timer();
    ASSERT_EQ(rows->rowCount(), read + 17) << "the calibration window's reads";
    EXPECT_EQ(rows->data(rows->index(read, ExchangeTableModel::Result)).toString(), "good");
    EXPECT_EQ(rows->data(rows->index(read, ExchangeTableModel::Baud)).toInt(), 9600);

    const QPointer<QWidget> trafficOpen(traffic);
    const QPointer<QWidget> trendOpen(trend);
    window.close();
    EXPECT_TRUE(trafficOpen.isNull() || !trafficOpen->isVisible());
    EXPECT_TRUE(trendOpen.isNull() || !trendOpen->isVisible());
}

} // namespace
} // namespace ortavel::test
