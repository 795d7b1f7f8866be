#include "WindowFixture.h"

#include <memory>

namespace ortavel::test {
namespace {

// 07 and 08 on one line at 9600, with different values; the search reads 07.
struct TwoTransmitters : WindowRig {
    TwoTransmitters()
    {
        rememberPort("3");
        window.Form_Load();
        first.values = FakeBus::typicalValues("1.50");
        second.values = FakeBus::typicalValues("1.50");
        for (const auto &[letters, value] : std::map<std::string, std::string>{
                 {"TY", "PT200"}, {"OL", "+004.0"}, {"OH", "+020.0"}, {"ZF", "+0321"}, {"FF", "-0054"}})
            second.values[letters] = value;
        window.setSearchLastAddress(8);
        window.cmdSEARCH.click();
    }
    void select08() { window.CMB_ADDR.choose(1); }
    FakeTransmitter &first = bus.add("07", {3});
    FakeTransmitter &second = bus.add("08", {3});
};

// Each row: what happens after the search, the operator's write, what reaches the bus and panel 1 (or the
// message box).
TEST(SelectionTest, AValueGoesOnlyToTheTransmitterItWasReadOrTypedFor)
{
    using Step = std::function<void(TwoTransmitters &)>;
    const struct {
        const char *name;
        Step before;
        Step write;
        const char *sent;
        const char *panel;
    } cases[] = {
        {"trim read good", [](TwoTransmitters &) {}, [](TwoTransmitters &r) { r.window.VScroll1.setValue(124); },
         "07:ZF+0124", "Searching over."},
        {"trim of 07 after 08's ZF failed",
         [](TwoTransmitters &r) {
             r.second.silent = {"ZF"};
             r.select08();
         },
         [](TwoTransmitters &r) {
             r.window.VScroll1.setValue(124);
             EXPECT_EQ(r.window.VScroll1.value(), 123) << "back where it stood";
         },
         "", "Not written: ZF (no value read)"},
        {"trim of 07 after 08's FF had no number",
         [](TwoTransmitters &r) {
             r.second.values["FF"] = "abc";
             r.select08();
         },
         [](TwoTransmitters &r) { r.window.VScroll2.setValue(-40); }, "", "Not written: FF (no value read)"},
        {"trim of 07 after 08's ZF beyond the bar",
         [](TwoTransmitters &r) {
             r.second.values["ZF"] = "+6000";
             r.select08();
         },
         [](TwoTransmitters &r) { r.window.VScroll1.setValue(122); }, "", "Not written: ZF (no value read)"},
        {"write after a search that found nothing",
         [](TwoTransmitters &r) {
             r.first.silent = r.second.silent = {"AD"};
             r.window.cmdSEARCH.click();
         },
         [](TwoTransmitters &r) { r.window.cmdDA_Write.click(); }, "", "Nothing sent: no transmitter selected"},
        {"modify after a stopped search",
         [](TwoTransmitters &r) {
             r.events.calls = 0;
             r.events.actions[3] = [&r] { r.window.cmdSEARCH.click(); };
             r.window.cmdSEARCH.click();
         },
         [](TwoTransmitters &r) { r.window.COM_ADDR.click(); }, "", "Nothing sent: no transmitter selected"},
        {"clicks while a search runs, 07 chosen in it",
         [](TwoTransmitters &r) {
             r.events.calls = 0;
             r.events.actions[10] = [&r] {
                 r.window.CMB_ADDR.choose(0);
                 for (Button *button : {&r.window.cmdSCALE_Write, &r.window.cmdDA_Write, &r.window.COM_ADDR,
                                        &r.window.COM_SC, &r.window.CMD_USER, &r.window.CMD_LD})
                     button->click();
                 EXPECT_EQ(r.messages.shown.back().text, "Nothing sent: a search is running.");
                 r.window.cmdSEARCH.click();
             };
         },
         [](TwoTransmitters &r) { r.window.cmdSEARCH.click(); }, "", "Searching over."},
        {"another port: the list goes", [](TwoTransmitters &r) { r.window.cmbCommPort.choose(3); },
         [](TwoTransmitters &r) { r.window.cmdSCALE_Write.click(); }, "", "Nothing sent: no transmitter selected"},
        {"the same port again: nothing counts until read", [](TwoTransmitters &r) { r.window.cmbCommPort.choose(2); },
         [](TwoTransmitters &r) { r.window.cmdDA_Write.click(); }, "", "Not written: OL, OH, ZF, FF (no value read)"},
        {"the same port again and Reflash",
         [](TwoTransmitters &r) {
             r.window.cmbCommPort.choose(2);
             r.window.cmdReFresh.click();
         },
         [](TwoTransmitters &r) { r.window.cmdDA_Write.click(); }, "07:OL+000.0 07:OH+100.0 07:ZF+0123 07:FF-0045", ""},
        {"backspace on a failed answer",
         [](TwoTransmitters &r) {
             r.second.silent = {"OL", "TY"};
             r.select08();
             r.window.TXT_DAL.type("ERR 0");
             r.window.txtType.type(" 0\r");
         },
         [](TwoTransmitters &r) {
             r.window.cmdDA_Write.click();
             r.window.COM_ADDR.click();
         },
         "08:OH+020.0 08:ZF+0321 08:FF-0054 08:AD08 08:BD3 08:IDSN4711",
         "Not written: TY (no value read); no good reply: AD, BD"},
        {"a failed answer typed over",
         [](TwoTransmitters &r) {
             r.second.silent = {"OL"};
             r.select08();
             r.window.TXT_DAL.type("5");
         },
         [](TwoTransmitters &r) { r.window.cmdDA_Write.click(); }, "08:OL5 08:OH+020.0 08:ZF+0321 08:FF-0054",
         "No good reply: OL"},
        {"no number, emptied",
         [](TwoTransmitters &r) {
             r.window.TXT_DAL.type("12x");
             r.window.TXT_DAH.type("");
         },
         [](TwoTransmitters &r) { r.window.cmdDA_Write.click(); }, "07:ZF+0123 07:FF-0045",
         "Not written: OH (empty); OL (not a number)"},
        {"no version read: as typed",
         [](TwoTransmitters &r) {
             r.second.silent = {"VR"};
             r.select08();
             r.window.TXT_DAL.type("12.5");
             EXPECT_TRUE(r.window.TXT_DAL.validate());
             EXPECT_EQ(r.window.StatusBar1.panel(1), "The version was not read: OL and OH go out as typed");
         },
         [](TwoTransmitters &r) { r.window.cmdDA_Write.click(); }, "08:OL12.5 08:OH+020.0 08:ZF+0321 08:FF-0054", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        auto rig = std::make_unique<TwoTransmitters>();
        ASSERT_EQ(rig->window.CMB_ADDR.count(), 2);
        c.before(*rig);
        rig->bus.clearRequests();
        c.write(*rig);
        std::string sent;
        for (const auto &r : rig->bus.requests()) {
            const bool write = r.command.size() > 2 && r.command != "RP0" && r.command != "RT0";
            if (write || r.command == "WU" || r.command == "LD" || r.command == "SZ")
                sent += (sent.empty() ? "" : " ") + r.address + ":" + r.command;
        }
        EXPECT_EQ(sent, c.sent);
        EXPECT_EQ(rig->window.StatusBar1.panel(1), c.panel);
    }
}

} // namespace
} // namespace ortavel::test
