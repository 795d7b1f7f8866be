#include "WindowFixture.h"

#include <cmath>

namespace ortavel::test {
namespace {

using PanelsTest = ReadFixture;

struct ModifyCase {
    const char *name;
    const char *address; // typed into TXT_ADDR
    int band;
    int online; // OnlineList of the entry afterwards
    const char *refuse;
    const char *requests; // address:command, in order
    const char *listed;
    const char *settings;
    const char *panel;
};

TEST_F(PanelsTest, ModifyWritesFourValuesAndKeepsListAndLineInStep)
{
    const ModifyCase cases[] = {
        {"new address and rate", "19", 1, 1, "", "07:AD19 19:BD1 19:TYPT100 19:IDSN4711", "19", "2400,N,8,1", ""},
        {"address refused", "12", 3, 3, "AD", "07:AD12 07:BD3 07:TYPT100 07:IDSN4711", "07", "9600,N,8,1",
         "No good reply: AD"},
        {"rate refused", "07", 0, 3, "BD", "07:AD07 07:BD0 07:TYPT100 07:IDSN4711", "07", "9600,N,8,1",
         "No good reply: BD"},
        {"listed elsewhere", "05", 3, 3, "", "", "07", "9600,N,8,1", "Searching over."},
    };
    loadOnPort3();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        FakeBus caseBus(port);
        window.OnlineList.clear();
        window.CMB_ADDR.clear();
        caseBus.add("05", {3});
        FakeTransmitter &transmitter = caseBus.add("07", {3});
        transmitter.values = FakeBus::typicalValues("1.50");
        // Takes a new address or rate after its reply, unless refused.
        transmitter.script = [&transmitter, &c](const std::string &command) -> std::optional<std::string> {
            const std::string letters = command.substr(0, 2);
            if (command.size() <= 2 || (letters != "AD" && letters != "BD") || letters == c.refuse)
                return std::nullopt;
            const std::string value = command.substr(2);
            if (letters == "AD")
                transmitter.address = value;
            else
                transmitter.bands = {std::stoi(value)};
            return value;
        };
        window.setSearchLastAddress(8);
        window.cmdSEARCH.click();
        ASSERT_EQ(window.CMB_ADDR.count(), 2);
        window.CMB_ADDR.setSelectedIndex(1);
        caseBus.clearRequests();
        messages.shown.clear();

        window.TXT_ADDR.setText(c.address);
        window.CMB_BAND.setSelectedIndex(c.band);
        window.COM_ADDR.click();

        EXPECT_EQ(caseBus.sent(), c.requests);
        EXPECT_EQ(window.CMB_ADDR.text(), c.listed);
        EXPECT_EQ(window.TXT_ADDR.text(), c.listed);
        EXPECT_EQ(port.settings(), c.settings);
        EXPECT_EQ(window.OnlineList.at(1), c.online);
        EXPECT_EQ(messages.shown.size(), std::string(c.name) == "listed elsewhere" ? 1U : 0U);
        EXPECT_EQ(window.StatusBar1.panel(1), c.panel);
    }
}

TEST_F(PanelsTest, AddressBoxTakesOnlyOneToNinetyNine)
{
    const std::pair<const char *, const char *> cases[] = {
        {"5", "05"}, {"12.4", "12"}, {"99", "99"}, {"0", nullptr}, {"100", nullptr}, {"99.5", nullptr}, {"x", nullptr},
    };
    for (const auto &[typed, shown] : cases) {
        SCOPED_TRACE(typed);
        messages.shown.clear();
        window.TXT_ADDR.setText(typed);
        EXPECT_EQ(window.TXT_ADDR.validate(), shown != nullptr) << "the focus may leave";
        EXPECT_EQ(window.TXT_ADDR.text(), shown != nullptr ? shown : typed);
        EXPECT_EQ(messages.shown.size(), shown != nullptr ? 0U : 1U);
    }
}

TEST_F(PanelsTest, RangeAndPressureBoxesTakeTheDecimalsPattern)
{
    const struct {
        int decimals;
        const char *version;
        const char *typed;
        const char *range;
        const char *pressure;
    } cases[] = {
        {1, "1.50", "12.5", "+012.5", "+012.5"},  {0, "VER", "7", "+0007.", "7"},
        {4, "1.50", "0.5", "+.5000", "+.5000"},   {1, "2.00", "4", "+004.0", "4"},
        {1, "1.50", "abc", "abc", "abc"},         {2, "1.50", "2.675", "+02.68", "+02.68"},
        {2, "1.50", "1.005", "+01.01", "+01.01"}, {2, "1.50", "-0.015", "-00.02", "-00.02"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed);
        window.Cmb_DP.setSelectedIndex(c.decimals);
        window.TXT_VER.setText(c.version);
        for (TextBox *box : {&window.TXT_DPL, &window.TXT_DAL}) {
            box->setText(c.typed);
            EXPECT_TRUE(box->validate());
            EXPECT_EQ(box->text(), box == &window.TXT_DPL ? c.range : c.pressure);
        }
    }
}

TEST_F(PanelsTest, ReadsAndWritesInTheirOrder)
{
    FakeTransmitter &transmitter = findAndRead();
    transmitter.values["UT"] = "3";
    bus.clearRequests();
    window.cmdSCALE_Read.click();
    EXPECT_EQ(bus.commands(), split("UT UT3 TY VR OL OH DL DH UT DL DH UT TY ID DP ZF FF RP0 RT0 DP DL DH"))
        << "a new unit is written back and read in full before the decimals";
    bus.clearRequests();
    window.cmbUnit.choose(3);
    window.CMB_ADDR.choose(window.CMB_ADDR.selectedIndex());
    EXPECT_EQ(bus.commands(), split("TY VR OL OH DL DH UT DL DH UT TY ID DP ZF FF RP0 RT0")) << "address only";

    window.Cmb_DP.setSelectedIndex(2);
    window.TXT_DPL.setText("+001.00");
    bus.clearRequests();
    window.cmdSCALE_Write.click();
    EXPECT_EQ(bus.commands(), split("UT3 DP2 DL+001.00 DH+100.0"));
    EXPECT_EQ(window.StatusBar1.panel(1), "");

    window.VScroll1.setValue(200);
    bus.clearRequests();
    window.cmdDA_Read.click();
    EXPECT_EQ(bus.commands(), split("OL OH ZF FF"));
    EXPECT_EQ(window.VScroll1.value(), 200) << "only the full read moves the bars";
    window.TXT_DAH.setText("20");
    bus.clearRequests();
    window.cmdDA_Write.click();
    EXPECT_EQ(bus.commands(), split("OL+000.0 OH20 ZF+0200 FF-0045"));
}

TEST_F(PanelsTest, ZeroAndConsoleSendOneRequestAndShowItsAnswer)
{
    FakeTransmitter &transmitter = findAndRead();
    transmitter.values["SZ"] = "+000.00";
    port.clearWrites();
    window.txtInsSend.setText("RP0");
    window.Cmd_INS.click();
    EXPECT_EQ(port.writes(), std::vector<std::string>{"$07RP035\r"});
    EXPECT_EQ(window.txtReturn.text(), "*07+012.34\r");

    bus.clearRequests();
    window.COM_SC.click();
    EXPECT_EQ(bus.commands(), split("SZ"));
    EXPECT_EQ(window.TXT_PRESSURE.text(), "+000.00");
    transmitter.silent.insert("SZ");
    window.COM_SC.click();
    EXPECT_EQ(window.TXT_PRESSURE.text(), "ERR 0\r") << "not a pressure of 0";
}

struct Poll {
    const char *pressure; // reply data; nullptr: no answer
    const char *shown;
    const char *maximum;
    const char *minimum;
    const char *failedPressures;
};

// Ticks alternate temperature and pressure; extremes compare the numbers texts start with.
TEST_F(PanelsTest, CollectPollsAlternatelyAndKeepsTheExtremes)
{
    FakeTransmitter &transmitter = findAndRead();
    const char *pressure = nullptr;
    transmitter.script = [&pressure](const std::string &command) -> std::optional<std::string> {
        if (command == "RP0" && pressure != nullptr)
            return std::string(pressure);
        return std::nullopt;
    };
    window.txtMAX.setText("-999.9");
    window.txtMIN.setText("+999.9");
    window.cmdON_OFF.click();
    const Poll polls[] = {
        {"+1.500", "+1.500", "+1.500", "+999.9", "0"}, {"+2.500", "+2.500", "+2.500", "+999.9", "0"},
        {"+0.500", "+0.500", "+2.500", "+0.500", "0"}, {nullptr, "ERR 0\r", "+2.500", "+0.500", "1"},
        {"1.5", "*071.5\r", "+2.500", "+0.500", "2"},  {"+2.500", "+2.500", "+2.500", "+0.500", "2"},
    };
    for (const auto &p : polls) {
        SCOPED_TRACE(p.shown);
        bus.clearRequests();
        transmitter.silent = p.pressure == nullptr ? std::set<std::string>{"RP", "RT"} : std::set<std::string>{};
        pressure = p.pressure;
        clock.advance(200);
        window.Timer1.tick();
        clock.advance(200);
        window.Timer1.tick();
        EXPECT_EQ(bus.commands(), split("RT0 RP0"));
        EXPECT_EQ(window.TXT_PRESSURE.text(), p.shown);
        EXPECT_EQ(window.txtMAX.text(), p.maximum);
        EXPECT_EQ(window.txtMIN.text(), p.minimum);
        EXPECT_EQ(window.Label19.caption(), p.failedPressures);
    }
    EXPECT_EQ(window.TXT_TEMPERATURE.text(), "25.5");
    EXPECT_EQ(window.Label20.caption(), "1") << "a temperature error is a failed poll";
    // The trend: a failed poll is a gap.
    const auto &pressures = window.trend().samples(TrendQuantity::Pressure);
    ASSERT_EQ(pressures.size(), 6U);
    EXPECT_TRUE(std::isnan(pressures[3].value)) << "a gap, not " << pressures[3].value;
    transmitter.values["RT0"] = "7";
    window.Timer1.tick();
    EXPECT_EQ(window.TXT_TEMPERATURE.text(), "7.0") << "one character of data is enough";
    window.Timer1.tick();
    window.cmdReset.click();
    EXPECT_EQ(window.txtMIN.text(), window.TXT_PRESSURE.text());
    EXPECT_EQ(window.txtMAX.text(), window.TXT_PRESSURE.text());

    clock.advance(26LL * 3600 * 1000);
    window.Timer1.tick();
    EXPECT_EQ(window.StatusBar1.panel(4).substr(0, 3), "26:") << "hours do not wrap";

    // A pulled adapter: every tick fails at once and is counted.
    port.close();
    window.Timer1.tick();
    window.Timer1.tick();
    EXPECT_EQ(window.Label19.caption() + window.Label20.caption(), "32");
    window.cmdReset.click();
    EXPECT_EQ(window.txtMAX.text() + window.txtMIN.text(), "-999.9+999.9") << "a failure is no pressure";
}

// The traffic keeps the bytes as received, classified by the result.
TEST_F(PanelsTest, FailedExchangesAreRecordedWithTheirResult)
{
    FakeTransmitter &transmitter = findAndRead();
    TrafficRecorder &traffic = window.traffic();
    transmitter.silent = {"RP"};
    transmitter.garbled = {"RT"};
    const std::uint64_t before = traffic.endSequence();
    window.txtInsSend.setText("RP0");
    window.Cmd_INS.click();
    window.txtInsSend.setText("RT0");
    window.Cmd_INS.click();
    ASSERT_EQ(traffic.endSequence(), before + 2);

    const ExchangeRecord &silent = traffic.at(before);
    EXPECT_EQ(silent.result, ExchangeResult::NoReply);
    EXPECT_GE(silent.durationMs, 100) << "the whole timeout at 9600 baud";
    const ExchangeRecord &garbled = traffic.at(before + 1);
    EXPECT_EQ(garbled.result, ExchangeResult::BadReply);
    EXPECT_EQ(garbled.reply.substr(0, 3), "*07");
}

// Replies 15 ms after the timeout: none lands in another box, no write sends one, and the operator is told.
TEST_F(PanelsTest, ALateTransmitterLeavesEveryBoxUnreadAndIsTold)
{
    findAndRead().replyDelayMs = 115;
    const std::string late = "07 answers later than the 100 ms timeout; its values were not taken";
    window.cmdDA_Read.click();
    for (const TextBox *box : {&window.TXT_DAL, &window.TXT_DAH, &window.TXT_DAZF, &window.TXT_DAFF})
        EXPECT_FALSE(box->holdsValue()) << box->name() << " holds " << box->text();
    EXPECT_EQ(window.StatusBar1.panel(1), "No good reply: OL, OH, ZF, FF; " + late);
    bus.clearRequests();
    window.cmdDA_Write.click();
    EXPECT_TRUE(writes().empty()) << bus.sent();

    window.cmdReFresh.click();
    for (const TextBox *box : {&window.TXT_TYPE, &window.TXT_VER, &window.TXT_DAL, &window.TXT_SCZ, &window.TXT_ID})
        EXPECT_FALSE(box->holdsValue()) << box->name() << " holds " << box->text();
    EXPECT_EQ(window.StatusBar1.panel(1), late);
    const TrafficRecorder &traffic = window.traffic();
    const ExchangeRecord &last = traffic.at(traffic.endSequence() - 2);
    EXPECT_EQ(std::make_tuple(last.result, last.address, last.reply.substr(0, 3), last.durationMs),
              std::make_tuple(ExchangeResult::LateReply, std::string("07"), std::string("*07"), std::int64_t{115}));
}

} // namespace
} // namespace ortavel::test
