#include "WindowFixture.h"

#include <algorithm>
#include <tuple>

namespace ortavel::test {
namespace {

using SearchTest = WindowFixture;

long countOf(const std::vector<std::string> &commands, const std::string &command)
{
    return std::count(commands.begin(), commands.end(), command);
}

TEST_F(SearchTest, FindsTransmittersAtTheirRatesOncePerAnsweringRate)
{
    loadOnPort3();
    bus.add("07", {2}).values = FakeBus::typicalValues("1.50");
    bus.add("12", {3}).values = FakeBus::typicalValues("1.50");
    bus.add("33", {0, 3}).values = FakeBus::typicalValues("1.50");
    window.cmdSEARCH.click();

    // Passes run 9600, 4800, 2400, 1200; entries in the order found.
    EXPECT_EQ(entries(window.CMB_ADDR), (std::vector<std::string>{"12", "33", "07", "33"}));
    EXPECT_EQ(window.OnlineList, (std::vector<std::int16_t>{3, 3, 2, 0}));
    EXPECT_EQ(panels(), (std::vector<std::string>{"Searching over.", "Online:  4", "Port:COM3", "Band:1200"}));
}

TEST_F(SearchTest, EmptyBus)
{
    loadOnPort3();
    std::string searching;
    events.actions[5] = [this, &searching] { searching = window.StatusBar1.panel(2); };
    window.cmdSEARCH.click();
    EXPECT_EQ(searching, "Online:  0") << "a count with the blank of its sign";
    EXPECT_EQ(panels(), (std::vector<std::string>{"Searching over.", "Online: 0", "Port:COM3", "Band:"}));
    EXPECT_EQ(bus.commands().size(), 4U * 99U) << "no read without a transmitter";
}

// A second click right after the stop starts no search inside the old one.
TEST_F(SearchTest, StopInMidSearchListsWhatWasFound)
{
    loadOnPort3();
    bus.add("12", {3}).values = FakeBus::typicalValues("1.50");
    bus.add("40", {3});
    bus.add("07", {2});
    events.actions[30] = [this] {
        window.cmdSEARCH.click();
        window.cmdSEARCH.click();
    };
    window.cmdSEARCH.click();

    EXPECT_EQ(countOf(bus.commands(), "AD"), 29) << "address 30 and the 4800 pass are not asked";
    EXPECT_EQ(entries(window.CMB_ADDR), std::vector<std::string>{"12"});
    EXPECT_EQ(window.cmdSEARCH.caption(), "Search");
    EXPECT_EQ(panels(), (std::vector<std::string>{"Searching over.", "Online:  1", "Port:COM3", "Band:9600"}));
    EXPECT_EQ(window.TXT_TYPE.text(), "PT100") << "the first entry is read";
}

TEST_F(SearchTest, ClosedPortStopsCollectingAndSaysSo)
{
    window.Timer1.setEnabled(true);
    window.cmdON_OFF.setCaption("Stop");
    window.cmdSEARCH.click();

    EXPECT_FALSE(window.Timer1.enabled());
    EXPECT_EQ(window.cmdON_OFF.caption(), "Collect");
    EXPECT_EQ(messages.shown,
              (std::vector<FakeMessageBox::Shown>{{"The communication port is not open！", "Error", true}}));
    EXPECT_EQ(window.cmdSEARCH.caption(), "Search");
    EXPECT_TRUE(port.writes().empty());
    EXPECT_EQ(events.calls, 0);
}

TEST_F(SearchTest, OnlyAnExactEchoOfTheAskedAddressCounts)
{
    loadOnPort3();
    bus.add("20", {3}).payloadOverride["AD"] = "2121"; // answers for another address
    bus.add("25", {3});
    window.cmdSEARCH.click();
    EXPECT_EQ(entries(window.CMB_ADDR), std::vector<std::string>{"25"});
}

// A read during the search moves the line; the pass goes on at its own rate.
TEST_F(SearchTest, EntryChosenDuringTheSearchDoesNotMoveThePassRate)
{
    loadOnPort3();
    bus.add("02", {3}).values = FakeBus::typicalValues("1.50");
    bus.add("60", {2}).values = FakeBus::typicalValues("1.50");
    events.actions[120] = [this] { window.CMB_ADDR.setSelectedIndex(0); }; // address 21 of the 4800 pass
    window.cmdSEARCH.click();

    // 60 answers only at 4800, after the read of 02 had moved the line to 9600.
    EXPECT_EQ(entries(window.CMB_ADDR), (std::vector<std::string>{"02", "60"}));
    EXPECT_EQ(port.settings(), "9600,N,8,1") << "the first entry was read at its rate at the end";
    EXPECT_EQ(countOf(bus.commands(), "VR"), 2);
}

TEST_F(SearchTest, PortLostDuringTheSearchEndsItWithTheClosedPortMessage)
{
    loadOnPort3();
    bus.add("02", {3});
    port.missingPorts = {5};
    events.actions[5] = [this] { window.cmbCommPort.setSelectedIndex(4); };
    window.cmdSEARCH.click();
    ASSERT_EQ(messages.shown.size(), 2U);
    EXPECT_EQ(messages.shown[1].text, "The communication port is not open！");
    EXPECT_EQ(window.cmdSEARCH.caption(), "Search");
    EXPECT_EQ(window.StatusBar1.panel(1), "Searching over.");
    EXPECT_EQ(window.CMB_ADDR.count(), 0) << "another device: what the old line held goes";
    EXPECT_EQ(bus.commands().size(), 4U) << "a closed port puts nothing on the line";
}

TEST_F(SearchTest, QuickSearchWaitRefusedOrCancelledKeepsTheOldOneGarbageStoredIsTheDefault)
{
    settings.setValue("Kavrin", "QuickSearch", "Turnaround", "3x");
    const struct {
        std::vector<std::optional<std::string>> answers;
        std::tuple<int, int, std::size_t> kept; // turnaround, allowance, refusals so far
    } rows[] = {{{std::nullopt, " 10 "}, {30, 10, 0}}, {{"4", "0"}, {30, 0, 1}}, {{"200", "51"}, {200, 0, 2}}};
    for (const auto &row : rows) {
        messages.answers = row.answers;
        window.mnuQuickWait.click();
        const auto wait = loadQuickSearchWait(settings);
        EXPECT_EQ(std::tuple(wait.turnaroundMs, wait.allowanceMs, messages.shown.size()), row.kept);
    }
    EXPECT_EQ(window.mnuQuickSearch.toolTip(),
              "Quick search waits 200 ms for a transmitter to start answering; use Search for slower ones");
}

} // namespace
} // namespace ortavel::test
