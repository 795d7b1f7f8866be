#include "ReadFixture.h"

#include <algorithm>

namespace ortavel::test {
namespace {

using ReadTest = ReadFixture;

struct VersionCase {
    std::string version; // empty: the transmitter leaves "VR" unanswered
    bool withRange;
};

void PrintTo(const VersionCase &c, std::ostream *out)
{
    *out << '"' << c.version << '"';
}

class ReadSequenceTest : public ReadFixture, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(ReadSequenceTest, RefreshAsksTheSeventeenQuestionsOfItsVersion)
{
    const auto &param = GetParam();
    FakeTransmitter &transmitter = findAndRead(param.version.empty() ? "1.50" : param.version);
    if (param.version.empty())
        transmitter.silent = {"VR"};
    bus.clearRequests();
    window.cmdReFresh.click();

    const auto expected = split(param.withRange ? "TY VR OL OH SL SH FU DL DH UT TY ID DP ZF FF RP0 RT0"
                                                : "TY VR OL OH DL DH UT DL DH UT TY ID DP ZF FF RP0 RT0");
    EXPECT_EQ(bus.commands(), expected);
    for (const auto &request : bus.requests())
        EXPECT_EQ(request.address, "07");
    EXPECT_EQ(window.TXT_DPL.enabled(), !param.withRange);
    EXPECT_EQ(window.TXT_DPH.enabled(), !param.withRange);
    EXPECT_EQ(window.Cmb_DP.enabled(), !param.withRange);
    EXPECT_EQ(window.TXT_SCZ.text(), param.withRange ? "-010.0" : "+000.0");
    EXPECT_EQ(window.TXT_SCF.text(), param.withRange ? "+110.0" : "+100.0");
    EXPECT_EQ(window.TXT_FUNIT.text(), param.withRange ? "MPa" : "mH2O");
}

INSTANTIATE_TEST_SUITE_P(Versions, ReadSequenceTest,
                         ::testing::Values(VersionCase{"2.00", true}, VersionCase{"2.0", false},
                                           VersionCase{"2.00 ", false}, VersionCase{"1.50", false},
                                           VersionCase{"", false}));

TEST_F(ReadTest, ChoosingAnEntryWritesTheUnitBackOnceAndMovesTheTrims)
{
    findAndRead();
    EXPECT_EQ(readCommands(), split("TY VR OL OH DL DH UT DL DH UT UT2 TY ID DP ZF ZF+0123 FF FF-0045 RP0 RT0"));
    EXPECT_TRUE(window.cmbUnit.enabled());
    EXPECT_EQ(window.cmbUnit.selectedIndex(), 2);
    EXPECT_EQ(window.Label3.caption(), "mH2O");
    EXPECT_EQ(window.VScroll1.value(), 123);
    EXPECT_EQ(window.VScroll2.value(), -45);
    EXPECT_EQ(window.TXT_DAZF.text(), "+0123");
    EXPECT_EQ(window.TXT_DAFF.text(), "-0045");
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

TEST_F(ReadTest, OperatorsUnitChoiceIsWrittenThenReadBack)
{
    findAndRead();
    bus.clearRequests();
    window.cmbUnit.setSelectedIndex(3);
    EXPECT_EQ(bus.commands(), split("UT3 TY VR OL OH DL DH UT DL DH UT TY ID DP ZF FF RP0 RT0"));
    EXPECT_EQ(window.TXT_FUNIT.text(), "Bar");

    bus.clearRequests();
    window.cmbUnit.setEnabled(false);
    window.cmbUnit.setSelectedIndex(5);
    EXPECT_EQ(bus.commands(), split("UT5")) << "a disabled list only writes";
}

struct TrimCase {
    const char *zf;
    const char *ff;
    const char *writes;
};

TEST_F(ReadTest, TrimsAreWrittenBackOnlyWhenThePositionChanges)
{
    const TrimCase cases[] = {
        {"+0123", "-0045", ""},        {"+0200", "-0045", "ZF+0200"},
        {"+0200", "+0000", "FF+0000"}, {"-5000", "+5000", "ZF-5000 FF+5000"},
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
    FakeTransmitter &transmitter = findAndRead("2.00");
    transmitter.values["UT"] = "1";
    window.cmdReFresh.click();

    EXPECT_EQ(window.TXT_ADDR.text(), "07");
    EXPECT_EQ(window.TXT_BAND.text(), "9600");
    EXPECT_EQ(window.TXT_TYPE.text(), "PT100");
    EXPECT_EQ(window.txtType.text(), "PT100");
    EXPECT_EQ(window.TXT_VER.text(), "2.00");
    EXPECT_EQ(window.TXT_ID.text(), "SN4711");
    EXPECT_EQ(window.txtID.text(), "SN4711");
    EXPECT_EQ(window.TXT_DAL.text(), "+000.0");
    EXPECT_EQ(window.TXT_DAH.text(), "+100.0");
    EXPECT_EQ(window.TXT_DPL.text(), "+000.0");
    EXPECT_EQ(window.TXT_DPH.text(), "+100.0");
    EXPECT_EQ(window.TXT_FUNIT.text(), "MPa");
    EXPECT_EQ(window.Label3.caption(), "Mpa");
    EXPECT_EQ(window.Cmb_DP.selectedIndex(), 1);
    EXPECT_EQ(window.TXT_PRESSURE.text(), "+012.34");
    EXPECT_EQ(window.txtMAX.text(), "+012.34");
    EXPECT_EQ(window.txtMIN.text(), "+012.34");
    EXPECT_EQ(window.TXT_TEMPERATURE.text(), "25.5");
}

TEST_F(ReadTest, GoodRepliesWithoutData)
{
    FakeTransmitter &transmitter = findAndRead();
    for (const char *letters : {"DP", "OL", "ZF", "RP", "RT"})
        transmitter.payloadOverride[letters] = "07";
    bus.clearRequests();
    window.cmdReFresh.click();

    EXPECT_EQ(window.Cmb_DP.selectedIndex(), -1) << "four characters name no decimals";
    EXPECT_EQ(window.TXT_DAL.text(), "*07\r");
    EXPECT_EQ(window.TXT_DAZF.text(), "*07\r");
    EXPECT_EQ(window.VScroll1.value(), 123) << "no data, no position";
    EXPECT_EQ(window.TXT_PRESSURE.text(), "*07\r");
    EXPECT_EQ(window.txtMIN.text(), "+999.9") << "the extremes start over";
    EXPECT_EQ(window.TXT_TEMPERATURE.text(), "*07\r");
    EXPECT_TRUE(writes().empty());
}

TEST_F(ReadTest, ReadRunsAtTheRateOfTheChosenEntry)
{
    findAndRead("1.50", 1);
    const auto reads = bus.requests();
    const auto first = std::find_if(reads.begin(), reads.end(), [](const auto &r) { return r.command != "AD"; });
    ASSERT_NE(first, reads.end());
    for (auto it = first; it != reads.end(); ++it)
        EXPECT_EQ(it->settings, "2400,N,8,1") << it->command;
    EXPECT_EQ(port.settings(), "2400,N,8,1");
    EXPECT_EQ(window.CMB_BAND.selectedIndex(), 1);
}

TEST_F(ReadTest, RefreshWithoutAChosenTransmitterSendsNothing)
{
    loadOnPort3();
    bus.add("07", {3}).values = FakeBus::typicalValues("1.50");
    window.cmdReFresh.click();
    EXPECT_TRUE(bus.requests().empty());
    EXPECT_EQ(window.TXT_TYPE.text(), "TYPE");
    EXPECT_EQ(window.TXT_ADDR.text(), "ADDR");
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

struct TrimMove {
    int bar; // 1 or 2
    int position;
    const char *sent;
    const char *answer; // reply data; nullptr: no answer
    const char *shown;
};

void PrintTo(const TrimMove &c, std::ostream *out)
{
    *out << "VScroll" << c.bar << " to " << c.position;
}

class TrimTest : public ReadFixture, public ::testing::WithParamInterface<TrimMove> {};

TEST_P(TrimTest, MovingABarWritesItsTrimAndShowsTheAnswer)
{
    const auto &param = GetParam();
    FakeTransmitter &transmitter = findAndRead();
    const std::string letters = param.bar == 1 ? "ZF" : "FF";
    transmitter.script = [&](const std::string &command) -> std::optional<std::string> {
        if (command.size() > 2 && command.rfind(letters, 0) == 0 && param.answer != nullptr)
            return std::string(param.answer);
        return std::nullopt;
    };
    if (param.answer == nullptr)
        transmitter.silent.insert(letters);
    bus.clearRequests();

    ScrollBar &bar = param.bar == 1 ? window.VScroll1 : window.VScroll2;
    const TextBox &box = param.bar == 1 ? window.TXT_DAZF : window.TXT_DAFF;
    bar.setValue(param.position);

    EXPECT_EQ(bus.commands(), std::vector<std::string>{param.sent});
    EXPECT_EQ(box.text(), param.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, TrimTest,
    ::testing::Values(TrimMove{1, 124, "ZF+0124", "+0124", "+0124"}, TrimMove{2, -1, "FF-0001", "-0001", "-0001"},
                      TrimMove{2, 0, "FF+0000", "+0000", "+0000"}, TrimMove{1, 5000, "ZF+5000", "+4000", "+4000"},
                      TrimMove{1, -5000, "ZF-5000", "-5000", "-5000"},
                      TrimMove{2, 5000, "FF+5000", "", "*07\r"},       // a reply without data stays whole
                      TrimMove{1, 7, "ZF+0007", nullptr, "ERR 0\r"})); // no answer: shown whole

TEST_F(ReadTest, SettingTheSamePositionSendsNothing)
{
    findAndRead();
    bus.clearRequests();
    window.VScroll1.setValue(123);
    EXPECT_FALSE(window.VScroll2.setValue(5001));
    EXPECT_TRUE(bus.requests().empty());
}

} // namespace
} // namespace ortavel::test
