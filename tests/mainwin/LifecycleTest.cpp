#include "WindowFixture.h"

#include <optional>

namespace ortavel::test {
namespace {

using LifecycleTest = WindowFixture;

struct RememberedCase {
    std::optional<std::string> remembered;
    int selected; // -1: none
};

TEST_F(LifecycleTest, LoadSelectsThePortTheRememberedNumberRoundsTo)
{
    const RememberedCase cases[] = {
        {"3", 2},    {"6", 5},  {"1", 0},   {" 4 ", 3},  {"+3", 2},          {"3.5", 3},
        {"2.5", 1},  {"3x", 2}, {"6.5", 5}, {"7", -1},   {"0.4", -1},        {"-3", -1},
        {"abc", -1}, {"", -1},  {".", -1},  {"1e9", -1}, {std::nullopt, -1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.remembered.value_or("<nothing>"));
        FakeClock caseClock;
        FakeSerialPort casePort(caseClock);
        MemorySettingsStore caseSettings;
        FakeMessageBox caseMessages;
        FakeEventPump caseEvents;
        FakeWindowHost caseWindows;
        if (c.remembered)
            caseSettings.setValue("Kavrin", "Transmitter", "CommPort", *c.remembered);
        Ortavel w(casePort, caseClock, caseSettings, caseMessages, caseEvents, caseWindows);
        w.Form_Load();

        EXPECT_EQ(w.cmbCommPort.selectedIndex(), c.selected);
        EXPECT_EQ(casePort.isOpen(), c.selected >= 0);
        EXPECT_TRUE(caseMessages.shown.empty());
        const std::string stored = caseSettings.value("Kavrin", "Transmitter", "CommPort", "<none>");
        if (c.selected >= 0) {
            EXPECT_EQ(casePort.portNumber(), c.selected + 1);
            EXPECT_EQ(stored, std::to_string(c.selected + 1));
        } else {
            EXPECT_EQ(stored, c.remembered.value_or("<none>"));
        }
        EXPECT_EQ(w.StatusBar1.panel(1), "Press Search to find the online transmitters!");
        EXPECT_TRUE(w.PollPressure);
        EXPECT_TRUE(casePort.writes().empty()) << "load sends nothing";
    }
}

TEST_F(LifecycleTest, LoadConfiguresThePortBeforeOpeningIt)
{
    rememberPort("3");
    window.Form_Load();
    const std::vector<std::string> expected = {
        "setTextInputMode",      "setReadLength 0",    "discardOutput",   "discardInput",
        "setReceiveThreshold 0", "setSendThreshold 0", "setPortNumber 3", "open",
    };
    EXPECT_EQ(port.calls(), expected);
    EXPECT_EQ(port.settings(), "9600,N,8,1");
    const std::array<std::string, 7> units = {"kPa", "MPa", "mH2O", "Bar", "Psi", "mBar", "Unknown"};
    EXPECT_EQ(window.UnitNames, units);
}

TEST_F(LifecycleTest, RememberedPortThatCannotOpenIsReportedDuringLoad)
{
    rememberPort("4");
    port.missingPorts = {4};
    window.Form_Load();

    EXPECT_EQ(window.cmbCommPort.selectedIndex(), 3);
    EXPECT_FALSE(port.isOpen());
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].text, port.openErrorText);
    EXPECT_EQ(messages.shown[0].title, "Kavrin");
    EXPECT_TRUE(messages.shown[0].exclamation);
    EXPECT_EQ(rememberedPort(), "4");
    EXPECT_EQ(window.StatusBar1.panel(1), "Press Search to find the online transmitters!");
}

TEST_F(LifecycleTest, ChoosingAFailingPortLeavesThePreviousClosedAndRemembered)
{
    loadOnPort3();
    port.missingPorts = {5};
    window.cmbCommPort.setSelectedIndex(4);

    EXPECT_FALSE(port.isOpen());
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].text, port.openErrorText);
    EXPECT_EQ(messages.shown[0].title, "Kavrin");
    EXPECT_TRUE(messages.shown[0].exclamation);
    EXPECT_EQ(rememberedPort(), "3");

    window.cmbCommPort.setSelectedIndex(1);
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(port.portNumber(), 2);
    EXPECT_EQ(rememberedPort(), "2");
    EXPECT_EQ(messages.shown.size(), 1U);
}

TEST_F(LifecycleTest, ClosingClosesThePortWhenNoSearchRuns)
{
    loadOnPort3();
    EXPECT_TRUE(window.queryUnload());
    EXPECT_FALSE(port.isOpen());
}

// Both exits behave the same, idle and while a search runs.
TEST_F(LifecycleTest, ExitButtonAndMenuAreIdentical)
{
    for (const bool viaMenu : {false, true}) {
        SCOPED_TRACE(viaMenu ? "menu" : "button");
        FakeClock c;
        FakeSerialPort p(c);
        FakeBus b(p);
        b.add("05", {3});
        MemorySettingsStore s;
        s.setValue("Kavrin", "Transmitter", "CommPort", "2");
        FakeMessageBox m;
        FakeEventPump e;
        FakeWindowHost h;
        Ortavel w(p, c, s, m, e, h);
        w.Form_Load();
        const auto exit = [&] { viaMenu ? w.Exit.click() : w.COM_QUIT.click(); };

        // During a search: the close is refused and the port stays open, so
        // the search still finds the transmitter behind address 05.
        e.actions[3] = exit;
        w.cmdSEARCH.click();
        EXPECT_EQ(h.closeAnswers, std::vector<bool>{false});
        EXPECT_EQ(w.CMB_ADDR.count(), 1);
        EXPECT_TRUE(p.isOpen());
        EXPECT_EQ(h.othersClosed, 0) << "the calibration window keeps its port";

        exit();
        EXPECT_EQ(h.closeAnswers, (std::vector<bool>{false, true}));
        EXPECT_FALSE(p.isOpen());
        EXPECT_GE(h.othersClosed, 1) << "the other windows close first, while the port is open";
    }
}

TEST_F(LifecycleTest, CloseBoxDuringSearchIsRefused)
{
    loadOnPort3();
    events.actions[10] = [this] { windows.requestClose(window); };
    searchAll();
    EXPECT_EQ(windows.closeAnswers, std::vector<bool>{false});
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(events.calls, 4 * 99) << "the search went on to its end";
}

TEST_F(LifecycleTest, MenuOpensTheOtherWindowsWithoutBlocking)
{
    window.About.click();
    window.UserCal.click();
    EXPECT_EQ(windows.shown, (std::vector<std::string>{"FrmOrtavelAbout", "frmYHJZ"}));
}

} // namespace
} // namespace ortavel::test
