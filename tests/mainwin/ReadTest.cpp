#include "WindowFixture.h"

#include <algorithm>

namespace ortavel::test {
namespace {

using ReadTest = ReadFixture;

// Only version "2.00" reads the range rows and locks the display range.
TEST_F(ReadTest, RefreshAsksTheSeventeenQuestionsOfItsVersion)
{
    FakeTransmitter &transmitter = findAndRead();
    for (const std::string version : {"2.00", "2.0", ""}) {
        SCOPED_TRACE(version);
        const bool withRange = version == "2.00";
        transmitter.values["VR"] = version;
        transmitter.silent = version.empty() ? std::set<std::string>{"VR"} : std::set<std::string>{};
        bus.clearRequests();
        window.cmdReFresh.click();
        EXPECT_EQ(bus.commands(), split(withRange ? "TY VR OL OH SL SH FU DL DH UT TY ID DP ZF FF RP0 RT0"
                                                  : "TY VR OL OH DL DH UT DL DH UT TY ID DP ZF FF RP0 RT0"));
        EXPECT_EQ(window.TXT_DPL.enabled(), !withRange);
        EXPECT_EQ(window.TXT_DPH.enabled(), !withRange);
        EXPECT_EQ(window.Cmb_DP.enabled(), !withRange);
        EXPECT_EQ(window.TXT_SCZ.text(), withRange ? "-010.0" : "+000.0");
        EXPECT_EQ(window.TXT_SCF.text(), withRange ? "+110.0" : "+100.0");
        EXPECT_EQ(window.TXT_FUNIT.text(), withRange ? "MPa" : "mH2O");
    }
}

TEST_F(ReadTest, ChoosingAnEntryWritesTheUnitBackOnceAndMovesTheTrims)
{
    findAndRead();
    const auto commands = bus.commands();
    EXPECT_EQ(std::vector(commands.end() - 20, commands.end()),
              split("TY VR OL OH DL DH UT DL DH UT UT2 TY ID DP ZF ZF+0123 FF FF-0045 RP0 RT0"));
    EXPECT_TRUE(window.cmbUnit.enabled());
    EXPECT_EQ(window.cmbUnit.selectedIndex(), 2);
    EXPECT_EQ(window.VScroll1.value(), 123);
    EXPECT_EQ(window.VScroll2.value(), -45);
    expectTexts({{&window.Label3, "mH2O"}, {&window.TXT_DAZF, "+0123"}, {&window.TXT_DAFF, "-0045"}});
}

TEST_F(ReadTest, RefreshWhoseUnitChangedReadsTwice)
{
    findAndRead().values["UT"] = "4";
    bus.clearRequests();
    window.cmdReFresh.click();

    const auto expected = split("TY VR OL OH DL DH UT DL DH UT UT4 "
                                "TY VR OL OH DL DH UT DL DH UT TY ID DP ZF FF RP0 RT0 "
                                "TY ID DP ZF FF RP0 RT0");
    EXPECT_EQ(bus.commands(), expected);
    EXPECT_EQ(window.cmbUnit.selectedIndex(), 4);
    EXPECT_EQ(window.Label3.caption(), "psi");
    EXPECT_EQ(window.TXT_FUNIT.text(), "Psi");
}

// A choice from a list the read disabled only writes.
TEST_F(ReadTest, DisabledUnitListOnlyWrites)
{
    findAndRead();
    bus.clearRequests();
    window.cmbUnit.setEnabled(false);
    window.cmbUnit.setSelectedIndex(5);
    window.cmbUnit.setSelectedIndex(0); // kPa is a unit too
    EXPECT_EQ(bus.commands(), split("UT5 UT0"));
}

struct TrimCase {
    const char *zf;
    const char *ff;
    const char *writes;
};

TEST_F(ReadTest, TrimsAreWrittenBackOnlyWhenThePositionChanges)
{
    const TrimCase cases[] = {
        {"+0123", "-0045", ""},
        {"+0123", "+0000", "FF+0000"},
        {"-5000", "+5000", "ZF-5000 FF+5000"},
        {"-5000.4", "5000", ""}, // rounds to the positions already held
    };
    FakeTransmitter &transmitter = findAndRead();
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.zf) + " " + c.ff);
        transmitter.values["ZF"] = c.zf;
        transmitter.values["FF"] = c.ff;
        bus.clearRequests();
        window.cmdReFresh.click();
        EXPECT_EQ(writes(), split(c.writes));
    }
    EXPECT_EQ(window.VScroll1.value(), -5000);
    EXPECT_EQ(window.VScroll2.value(), 5000);
}

TEST_F(ReadTest, RowsFillTheirBoxes)
{
    findAndRead("2.00");
    EXPECT_EQ(window.Cmb_DP.selectedIndex(), 1);
    expectTexts({{&window.txtID, "SN4711"},
                 {&window.TXT_DAL, "+000.0"},
                 {&window.TXT_DAH, "+100.0"},
                 {&window.TXT_DPL, "+000.0"},
                 {&window.TXT_DPH, "+100.0"},
                 {&window.TXT_PRESSURE, "+012.34"},
                 {&window.TXT_TEMPERATURE, "25.5"}});
}

TEST_F(ReadTest, GoodRepliesWithoutData)
{
    FakeTransmitter &transmitter = findAndRead();
    for (const char *letters : {"DP", "OL", "ZF", "RP", "RT"})
        transmitter.payloadOverride[letters] = "07";
    bus.clearRequests();
    window.cmdReFresh.click();

    EXPECT_EQ(window.Cmb_DP.selectedIndex(), -1) << "four characters name no decimals";
    EXPECT_EQ(window.VScroll1.value(), 123) << "no data, no position";
    expectTexts({{&window.TXT_DAL, "*07\r"},
                 {&window.TXT_DAZF, "*07\r"},
                 {&window.TXT_PRESSURE, "*07\r"},
                 {&window.TXT_TEMPERATURE, "*07\r"},
                 {&window.txtMIN, "+999.9"}});
    EXPECT_TRUE(writes().empty());
}

// Refresh reads at the chosen transmitter's rate, wherever the line was moved since.
TEST_F(ReadTest, RefreshRunsAtTheRateOfTheChosenEntry)
{
    findAndRead("1.50", 1);
    port.setSettings("9600,N,8,1");
    window.CMB_BAND.setSelectedIndex(3);
    bus.clearRequests();
    window.cmdReFresh.click();
    for (const auto &request : bus.requests())
        EXPECT_EQ(request.settings, "2400,N,8,1") << request.command;
    expectTexts({{&window.TXT_TYPE, "PT100"}, {&window.TXT_BAND, "2400"}});
}

TEST_F(ReadTest, UnitThatNeverSettlesEndsTheChain)
{
    FakeTransmitter &transmitter = findAndRead();
    int next = 0;
    transmitter.script = [&next](const std::string &command) -> std::optional<std::string> {
        if (command != "UT")
            return std::nullopt;
        return std::to_string(next++ % 7);
    };
    bus.clearRequests();
    window.cmdReFresh.click();
    const auto commands = bus.commands();
    const auto reads = std::count(commands.begin(), commands.end(), "VR");
    EXPECT_GE(reads, 2);
    EXPECT_LE(reads, 4);
    EXPECT_EQ(commands.back(), "RT0");
}

TEST_F(ReadTest, MovingABarWritesItsTrimAndShowsTheAnswer)
{
    struct Move {
        bool zero; // VScroll1 and ZF, else VScroll2 and FF
        int position;
        const char *sent;   // nullptr: nothing goes out
        const char *answer; // reply data; nullptr: no answer, shown whole
        const char *shown;
    } moves[] = {
        {true, 124, "ZF+0124", "+0124", "+0124"},
        {false, -1, "FF-0001", "-0001", "-0001"},
        {true, 7, "ZF+0007", nullptr, "ERR 0\r"},
        // A bar whose box shows no trim of its own has nothing to step from.
        {true, 5000, nullptr, nullptr, "ERR 0\r"},
        // A trim the transmitter did not take is no trim of it.
        {false, 5000, "FF+5000", "+4000", "*07+4000\r"},
        {false, 4999, nullptr, nullptr, "*07+4000\r"},
    };
    FakeTransmitter &transmitter = findAndRead();
    bus.clearRequests();
    window.VScroll1.setValue(123);
    EXPECT_FALSE(window.VScroll2.setValue(5001));
    EXPECT_TRUE(bus.requests().empty()) << "the position held, or one the bar cannot take, sends nothing";

    const Move *move = nullptr;
    transmitter.script = [&move](const std::string &command) -> std::optional<std::string> {
        if (move->sent != nullptr && command == move->sent && move->answer != nullptr)
            return std::string(move->answer);
        return std::nullopt;
    };
    for (const Move &m : moves) {
        SCOPED_TRACE(m.sent);
        move = &m;
        transmitter.silent = m.sent != nullptr && m.answer == nullptr ? std::set<std::string>{std::string(m.sent, 2)}
                                                                      : std::set<std::string>{};
        bus.clearRequests();
        (m.zero ? window.VScroll1 : window.VScroll2).setValue(m.position);
        EXPECT_EQ(bus.commands(), m.sent ? std::vector<std::string>{m.sent} : std::vector<std::string>{});
        EXPECT_EQ((m.zero ? window.TXT_DAZF : window.TXT_DAFF).text(), m.shown);
    }
}

} // namespace
} // namespace ortavel::test
