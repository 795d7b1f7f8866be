#include "WindowFixture.h"

#include <optional>

namespace ortavel::test {
namespace {

class LifecycleTest : public WindowFixture {
protected:
    std::vector<FakeMessageBox::Shown> openError() const { return {{port.openErrorText, "Kavrin", true}}; }
};

struct RememberedCase {
    std::optional<std::string> remembered;
    int selected; // -1: none
};

TEST_F(LifecycleTest, LoadSelectsThePortTheRememberedNumberRoundsTo)
{
    // Numbers are read as the link reads them: rounded half to even.
    const RememberedCase cases[] = {
        {"3", 2}, {"6", 5}, {"1", 0}, {"2.5", 1}, {"0.4", -1}, {"7", -1}, {"abc", -1}, {"1e9", -1}, {std::nullopt, -1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.remembered.value_or("<nothing>"));
        WindowRig r;
        if (c.remembered)
            r.rememberPort(*c.remembered);
        r.window.Form_Load();

        EXPECT_EQ(r.window.cmbCommPort.selectedIndex(), c.selected);
        EXPECT_EQ(r.port.isOpen(), c.selected >= 0);
        EXPECT_TRUE(r.messages.shown.empty());
        if (c.selected >= 0) {
            EXPECT_EQ(r.port.portNumber(), c.selected + 1);
            EXPECT_EQ(r.rememberedPort(), std::to_string(c.selected + 1));
        } else {
            EXPECT_EQ(r.rememberedPort(), c.remembered.value_or("<none>"));
        }
        EXPECT_TRUE(r.port.writes().empty()) << "load sends nothing";
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
}

TEST_F(LifecycleTest, ChoosingAFailingPortLeavesThePreviousClosedAndRemembered)
{
    loadOnPort3();
    port.missingPorts = {5};
    window.cmbCommPort.setSelectedIndex(4);

    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(messages.shown, openError());
    EXPECT_EQ(rememberedPort(), "3");

    window.cmbCommPort.setSelectedIndex(1);
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(port.portNumber(), 2);
    EXPECT_EQ(rememberedPort(), "2");
    EXPECT_EQ(messages.shown, openError());
}

// Both exits behave the same, idle and while a search runs.
TEST_F(LifecycleTest, ExitButtonAndMenuAreIdentical)
{
    for (const bool viaMenu : {false, true}) {
        SCOPED_TRACE(viaMenu ? "menu" : "button");
        WindowRig r;
        r.bus.add("05", {3});
        r.rememberPort("2");
        r.window.Form_Load();
        Ortavel &w = r.window;
        const auto exit = [&] { viaMenu ? w.Exit.click() : w.COM_QUIT.click(); };

        // During a search: the close is refused and the port stays open, so
        // the search still finds the transmitter behind address 05.
        r.events.actions[3] = exit;
        w.cmdSEARCH.click();
        EXPECT_EQ(r.windows.closeAnswers, std::vector<bool>{false});
        EXPECT_EQ(w.CMB_ADDR.count(), 1);
        EXPECT_TRUE(r.port.isOpen());
        EXPECT_EQ(r.windows.othersClosed, 0) << "the calibration window keeps its port";

        exit();
        EXPECT_EQ(r.windows.closeAnswers, (std::vector<bool>{false, true}));
        EXPECT_FALSE(r.port.isOpen());
        EXPECT_GE(r.windows.othersClosed, 1) << "the other windows close first, while the port is open";
    }
}

TEST_F(LifecycleTest, MenuOpensTheOtherWindowsWithoutBlocking)
{
    window.About.click();
    window.UserCal.click();
    EXPECT_EQ(windows.shown, (std::vector<std::string>{"FrmOrtavelAbout", "frmYHJZ"}));
}

} // namespace
} // namespace ortavel::test
