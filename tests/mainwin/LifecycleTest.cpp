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
        {"3", 2}, {"6", 5}, {"1", 0}, {"2.5", 1}, {"0.4", -1}, {"7", -1}, {"1e9", -1},
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

TEST_F(LifecycleTest, ChoosingAFailingPortLeavesThePreviousClosedAndRemembered)
{
    loadOnPort3();
    port.missingPorts = {5};
    window.cmbCommPort.setSelectedIndex(4);

    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(messages.shown, openError());
    EXPECT_EQ(rememberedPort(), "3");
    port.missingPorts.clear();
    window.cmbCommPort.choose(4);
    EXPECT_TRUE(port.isOpen()) << "the port shown, picked again once it is back";

    window.cmbCommPort.setSelectedIndex(1);
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(port.portNumber(), 2);
    EXPECT_EQ(rememberedPort(), "2");
    EXPECT_EQ(messages.shown, openError());
}

// Refused while a search runs, so it still finds 05; then the menu's exit closes.
TEST_F(LifecycleTest, ExitIsRefusedDuringASearchOnly)
{
    bus.add("05", {3});
    loadOnPort3();
    events.actions[3] = [this] { window.COM_QUIT.click(); };
    window.cmdSEARCH.click();
    EXPECT_EQ(windows.closeAnswers, std::vector<bool>{false});
    EXPECT_EQ(window.CMB_ADDR.count(), 1);
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(windows.othersClosed, 0) << "the calibration window keeps its port";

    window.Exit.click();
    EXPECT_EQ(windows.closeAnswers, (std::vector<bool>{false, true}));
    EXPECT_FALSE(port.isOpen());
    EXPECT_GE(windows.othersClosed, 1);
}

TEST_F(LifecycleTest, MenuOpensTheOtherWindowsWithoutBlocking)
{
    window.About.click();
    window.UserCal.click();
    EXPECT_EQ(windows.shown, (std::vector<std::string>{"FrmOrtavelAbout", "frmYHJZ"}));
}

} // namespace
} // namespace ortavel::test
