// What the operator does that once sent a value nobody chose, to another
// transmitter than meant, or counted a refusal as written.

#include "WindowFixture.h"

namespace ortavel::test {
namespace {

using WriteSafetyTest = ReadFixture;

// In a search's pause the operator picks 07 (read at its 9600), and in the
// next pause, with the line back at the search's 4800, acts.
TEST_F(WriteSafetyTest, ActingDuringASearchsPauseSendsNothing)
{
    const struct {
        const char *name;
        std::function<void(Ortavel &)> act;
    } rows[] = {
        {"unit list", [](Ortavel &w) { w.cmbUnit.choose(4); }},
        {"trim bar step", [](Ortavel &w) { w.VScroll1.setValue(w.VScroll1.value() + 1); }},
        {"display Write", [](Ortavel &w) { w.cmdSCALE_Write.click(); }},
        {"Save", [](Ortavel &w) { w.CMD_USER.click(); }},
        {"Collect tick", [](Ortavel &w) { w.cmdON_OFF.click(), w.Timer1.tick(); }},
    };
    loadOnPort3();
    bus.add("07", {3}).values = FakeBus::typicalValues("1.50");
    bus.add("07", {2}).values = FakeBus::typicalValues("2.10");
    window.setSearchLastAddress(8);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        events.calls = 0;
        std::string told;
        // Pauses 9 to 16 are the 4800 pass.
        events.actions[10] = [this] { window.CMB_ADDR.choose(0); };
        events.actions[11] = [&] {
            const std::size_t before = bus.requests().size();
            messages.shown.clear();
            row.act(window);
            told = window.StatusBar1.panel(1) + (messages.shown.empty() ? "" : messages.shown.back().text);
            EXPECT_EQ(bus.requests().size(), before);
        };
        window.cmdSEARCH.click();
        EXPECT_NE(told.find("a search is running"), std::string::npos) << told;
        // The read in the first pause is allowed, its write-backs are not.
        for (const auto &request : bus.requests())
            EXPECT_TRUE(request.command.size() == 2 || request.command[0] == 'R' || request.settings == "9600,N,8,1")
                << request.command;
        bus.clearRequests();
    }
}

TEST_F(WriteSafetyTest, ModifyToARateWhereTheListHoldsTheSameAddressSendsNothing)
{
    const struct {
        const char *name;
        int band;
        const char *sent;
        std::size_t messagesShown;
    } rows[] = {
        {"the other 33 answers at 1200", 0, "", 1},
        {"4800 is free", 2, "33:AD33 33:BD2 33:TYPT100 33:IDSN4711", 0},
    };
    loadOnPort3();
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        FakeBus rowBus(port);
        rowBus.add("33", {3}).values = FakeBus::typicalValues("1.50");
        rowBus.add("33", {0}).values = FakeBus::typicalValues("1.50");
        window.setSearchLastAddress(40);
        window.cmdSEARCH.click();
        ASSERT_EQ(window.OnlineList, (std::vector<std::int16_t>{3, 0}));
        rowBus.clearRequests();
        messages.shown.clear();
        window.CMB_BAND.setSelectedIndex(row.band);
        window.COM_ADDR.click();
        EXPECT_EQ(rowBus.sent(), row.sent);
        EXPECT_EQ(messages.shown.size(), row.messagesShown);
        if (row.messagesShown != 0) {
            EXPECT_EQ(messages.shown.back().text, "Address 33 has been exist,press “OK” return！");
            EXPECT_EQ(window.CMB_BAND.text(), "9600");
        }
    }
}

// The transmitter restores other values than the window shows.
TEST_F(WriteSafetyTest, BackToFactorySettingLeavesNothingOfBeforeToWrite)
{
    FakeTransmitter &transmitter = findAndRead();
    transmitter.values["LD"] = "OK";
    transmitter.values["WU"] = "OK";
    window.CMD_LD.click();
    transmitter.values["ZF"] = "+0000";
    bus.clearRequests();

    window.VScroll1.setValue(window.VScroll1.value() + 1);
    EXPECT_EQ(window.StatusBar1.panel(1), "Not written: ZF (no value read)");
    window.cmdDA_Read.click();
    EXPECT_EQ(window.TXT_DAZF.text(), "+0000");
    window.VScroll1.setValue(window.VScroll1.value() - 1);
    window.chkSame.setChecked(true);
    window.CMD_USER.click();
    EXPECT_EQ(bus.sent(), "07:OL 07:OH 07:ZF 07:FF AA:OL+000.0 AA:OH+100.0 AA:ZF+0000 AA:FF-0045 AA:WU 07:WU")
        << "no trim from the bar's old position, only values read since the restore broadcast";
    EXPECT_TRUE(window.TXT_DAZF.holdsValue()) << "what was read after the restore is the transmitter's";
}

TEST_F(WriteSafetyTest, AWriteWhoseEchoIsNotTheValueSentIsAFailure)
{
    const auto writeZero = [](Ortavel &w) {
        w.TXT_DPL.setText("12.5");
        w.cmdSCALE_Write.click();
    };
    const struct {
        const char *name;
        const char *letters; // the write answered with `echo`; others echo as sent
        const char *echo;
        std::function<void(Ortavel &)> act;
        const char *sent;
        const char *panel;
    } rows[] = {
        {"old value", "DL", "+000.0", writeZero, "UT2 DP1 DL12.5 DH+100.0", "Not confirmed: DL (answer: *07+000.0)"},
        {"same number in the transmitter's pattern", "DL", "+012.50", writeZero, "UT2 DP1 DL12.5 DH+100.0", ""},
        {"bare reply to a type", "TY", "",
         [](Ortavel &w) {
             w.txtType.setText("PT200");
             w.COM_ADDR.click();
         },
         "AD07 BD3 TYPT200 IDSN4711", "Not confirmed: TY (answer: *07)"},
        {"exponent and endless number typed", "", "",
         [](Ortavel &w) {
             w.TXT_DAL.setText("1e3");
             w.TXT_DAH.setText(std::string(300, '9'));
             w.cmdDA_Write.click();
         },
         "ZF+0123 FF-0045", "Not written: OL (not a number); OH (too long)"},
        // A line end typed into a text would end the frame half way: the transmitter would take another ID.
        {"line end in a text", "", "",
         [](Ortavel &w) {
             w.txtID.setText("PT\r\n114");
             w.COM_ADDR.click();
         },
         "AD07 BD3 TYPT100", "Not written: ID (holds a control character)"},
        // The refused code selects nothing: no nested write and read replace the decimals picked.
        {"refused unit code", "UT", "2",
         [](Ortavel &w) {
             w.cmbUnit.setEnabled(false);
             w.cmbUnit.choose(5);
             w.Cmb_DP.choose(3);
             w.cmbUnit.setEnabled(true);
             w.cmdSCALE_Write.click();
         },
         "UT5 UT5 DP3 DL+000.0 DH+100.0", "Not confirmed: UT (answer: *072)"},
    };
    FakeTransmitter &transmitter = findAndRead();
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        transmitter.values = FakeBus::typicalValues("1.50");
        transmitter.values["AD"] = "07";
        transmitter.values["BD"] = "3";
        transmitter.script = [&row](const std::string &command) -> std::optional<std::string> {
            if (command.size() > 2 && command.rfind(row.letters, 0) == 0 && *row.letters != '\0')
                return std::string(row.echo);
            return std::nullopt;
        };
        window.cmdReFresh.click();
        bus.clearRequests();
        row.act(window);
        std::string sent;
        for (const auto &command : bus.commands())
            sent += (sent.empty() ? "" : " ") + command;
        EXPECT_EQ(sent, row.sent);
        EXPECT_EQ(window.StatusBar1.panel(1), row.panel);
    }
    EXPECT_EQ(window.Cmb_DP.selectedIndex(), 3) << "the pick of the last write stands";
}

TEST_F(WriteSafetyTest, CollectRefreshAndConsoleWithoutAChosenTransmitterPutNoAddressOnTheLine)
{
    loadOnPort3();
    bus.add("07", {0, 1, 2, 3}).values = FakeBus::typicalValues("1.50");
    const auto collectAndType = [this] {
        port.clearWrites();
        window.cmdON_OFF.click();
        window.Timer1.tick();
        window.Timer1.tick();
        window.cmdON_OFF.click();
        EXPECT_EQ(window.StatusBar1.panel(1), "Nothing sent: no transmitter selected");
        window.cmdReFresh.click();
        window.txtInsSend.setText("07RP0");
        window.Cmd_INS.click();
        EXPECT_EQ(port.writes(), std::vector<std::string>{"$07RP035\r"}) << "the console's instruction as typed";
        EXPECT_EQ(window.txtReturn.text(), "*07+012.34\r");
    };
    collectAndType();
    window.setSearchLastAddress(3); // finds nothing
    window.cmdSEARCH.click();
    collectAndType();
}

TEST_F(WriteSafetyTest, AReplyFromAnotherAddressIsNoAnswerAndIsNotWrittenBack)
{
    findAndRead("1.50", 3, [](FakeTransmitter &t) {
        t.payloadOverride["ID"] = "05SN9999";
        t.payloadOverride["UT"] = "054";
        t.values["FF"] = "+0123.6";
    });
    EXPECT_EQ(window.TXT_ID.text(), "*05SN9999\r");
    EXPECT_FALSE(window.TXT_ID.holdsValue() || window.txtID.holdsValue());
    EXPECT_EQ(window.cmbUnit.selectedIndex(), -1);
    EXPECT_EQ(window.TXT_DAFF.text(), "*07+0123.6\r") << "a trim is a whole number";
    EXPECT_EQ(writes(), std::vector<std::string>{"ZF+0123"}) << "only the trim of ZF goes back";
    bus.clearRequests();
    window.VScroll2.setValue(window.VScroll2.value() + 1);
    window.cmdSCALE_Write.click();
    EXPECT_EQ(bus.sent(), "07:DP1 07:DL+000.0 07:DH+100.0");
}

} // namespace
} // namespace ortavel::test
