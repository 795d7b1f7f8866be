#include "adapters/SerialPortQt.h"
#include "adapters/SettingsStoreQt.h"
#include "controls/MessageBox.h"
#include "link/PortMap.h"
#include "link/SteadyClock.h"
#include "mainwin/Ortavel.h"
#include "sim/DemoBus.h"
#include "sim/SimServer.h"
#include "ui/FormView.h"
#include "ui/MainWindow.h"
#include "ui/QtEventPump.h"
#include "ui/QtWindowHost.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace ortavel::test {
namespace {

class RecordingMessageBox final : public MessageBox {
public:
    void show(const std::string &text, const std::string &, bool) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

// The whole tool as the operator meets it: the window on the real serial
// port, a simulated demo bus on a pseudo-terminal behind com1, and the
// remembered port in real settings files.
class EndToEndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        portMap.setOverride(1, server.start(sim::demoBus()));
        settings.setValue(Ortavel::kAppTitle, Ortavel::kSettingsSection, Ortavel::kSettingsKey, "1");
        windows.addWindow(model.name(), &window);
        model.Form_Load();
        ASSERT_TRUE(port.isOpen()) << port.errorString();
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
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
        EXPECT_EQ(shown(model.txtType).toStdString(), state->config.working.type);
        EXPECT_EQ(shown(model.TXT_VER).toStdString(), state->config.version);
        EXPECT_EQ(shown(model.TXT_ID).toStdString(), state->config.working.ident);
        EXPECT_EQ(shown(model.TXT_BAND), band);
        EXPECT_EQ(shown(model.TXT_ADDR), QStringLiteral("%1").arg(address, 2, 10, QLatin1Char('0')));
        EXPECT_EQ(window.view().widgetAs<QComboBox>(model.cmbUnit.name())->currentIndex(), state->config.working.unit);
        EXPECT_NE(shown(model.TXT_PRESSURE), "PRESSURE");
        EXPECT_NE(shown(model.TXT_TEMPERATURE), "TEMPERATURE");
    }

    sim::SimServer server; // outlives the port
    QTemporaryDir folder;
    SettingsStoreQt settings{folder.path()};
    PortMap portMap{&settings};
    SerialPortQt port{portMap};
    SteadyClock clock;
    RecordingMessageBox messages;
    QtEventPump events;
    QtWindowHost windows;
    Ortavel model{port, clock, settings, messages, events, windows};
    MainWindow window{model};
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

} // namespace
} // namespace ortavel::test
