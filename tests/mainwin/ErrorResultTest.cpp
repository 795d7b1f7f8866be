#include "ReadFixture.h"

namespace ortavel::test {
namespace {

struct ErrorCase {
    const char *name;
    bool garbled; // else silent
    const char *cut;
    const char *unit;
    const char *temperature;
};

void PrintTo(const ErrorCase &c, std::ostream *out)
{
    *out << c.name;
}

class ErrorResultTest : public ReadFixture, public ::testing::WithParamInterface<ErrorCase> {
protected:
    void failEverything(FakeTransmitter &transmitter)
    {
        for (const char *letters :
             {"TY", "VR", "OL", "OH", "SL", "SH", "FU", "DL", "DH", "UT", "ID", "DP", "ZF", "FF", "RP", "RT"})
            (GetParam().garbled ? transmitter.garbled : transmitter.silent).insert(letters);
    }
};

// After a good read the transmitter stops answering properly: nothing that
// stems from an error text is written to it or kept for a later write.
TEST_P(ErrorResultTest, ErrorsNeverReachTheTransmitter)
{
    const auto &param = GetParam();
    failEverything(findAndRead());
    bus.clearRequests();
    window.cmdReFresh.click();

    EXPECT_EQ(bus.commands(), split("TY VR OL OH DL DH UT DL DH UT TY ID DP ZF FF RP0 RT0"));
    // Values that travel to a transmitter keep what the good read left.
    EXPECT_EQ(window.cmbUnit.selectedIndex(), 2);
    EXPECT_EQ(window.Label3.caption(), "mH2O");
    EXPECT_EQ(window.Cmb_DP.selectedIndex(), 1);
    EXPECT_EQ(window.VScroll1.value(), 123);
    EXPECT_EQ(window.VScroll2.value(), -45);
    EXPECT_EQ(window.TXT_ADDR.text(), "07");
    EXPECT_EQ(window.txtType.text(), "PT100");
    EXPECT_EQ(window.txtID.text(), "SN4711");
    EXPECT_EQ(window.TXT_DPL.text(), "+000.0");
    EXPECT_EQ(window.TXT_DPH.text(), "+100.0");
    EXPECT_EQ(window.TXT_DAL.text(), "+000.0");
    EXPECT_EQ(window.TXT_DAH.text(), "+100.0");
    EXPECT_EQ(window.TXT_DAZF.text(), "+0123");
    EXPECT_EQ(window.TXT_DAFF.text(), "-0045");
    // Display boxes show what came back.
    for (const TextBox *box : {&window.TXT_TYPE, &window.TXT_VER, &window.TXT_SCZ, &window.TXT_SCF, &window.TXT_ID,
                               &window.TXT_PRESSURE, &window.txtMAX, &window.txtMIN})
        EXPECT_EQ(box->text(), param.cut) << box->name();
    EXPECT_EQ(window.TXT_FUNIT.text(), param.unit);
    EXPECT_EQ(window.TXT_TEMPERATURE.text(), param.temperature);
    EXPECT_TRUE(window.TXT_DPL.enabled());
    EXPECT_TRUE(window.Cmb_DP.enabled());
}

// A transmitter that answers the search but nothing else: the lists and bars
// stay as they were when the window opened.
TEST_P(ErrorResultTest, FirstReadOfAFailingTransmitterSetsNothing)
{
    const auto &param = GetParam();
    loadOnPort3();
    FakeTransmitter &transmitter = bus.add("07", {3});
    transmitter.values = FakeBus::typicalValues("1.50");
    failEverything(transmitter);
    window.setSearchLastAddress(8);
    window.cmdSEARCH.click();

    EXPECT_EQ(window.CMB_ADDR.count(), 1);
    EXPECT_TRUE(writes().empty());
    EXPECT_EQ(window.cmbUnit.selectedIndex(), -1);
    EXPECT_EQ(window.Label3.caption(), "");
    EXPECT_EQ(window.Cmb_DP.selectedIndex(), -1);
    EXPECT_EQ(window.VScroll1.value(), 0);
    EXPECT_EQ(window.VScroll2.value(), 0);
    EXPECT_EQ(window.txtType.text(), "txt_Type");
    EXPECT_EQ(window.txtID.text(), "txtID");
    EXPECT_EQ(window.TXT_DAZF.text(), "DAZF");
    EXPECT_EQ(window.TXT_DAL.text(), "DAL");
    EXPECT_EQ(window.TXT_TYPE.text(), param.cut);
    EXPECT_EQ(window.TXT_FUNIT.text(), param.unit);
}

INSTANTIATE_TEST_SUITE_P(Errors, ErrorResultTest,
                         ::testing::Values(ErrorCase{"NoReply", false, " 0", "kPa", "0.0"},
                                           ErrorCase{"BadReply", true, " 3", "Bar", "3.0"}),
                         [](const ::testing::TestParamInfo<ErrorCase> &caseInfo) {
                             return std::string(caseInfo.param.name);
                         });

TEST_F(ReadFixture, ClosedPortLeavesErrorTextsAndWritesNothing)
{
    findAndRead();
    port.close();
    window.cmdReFresh.click();
    EXPECT_EQ(window.TXT_TYPE.text(), " 0");
    EXPECT_EQ(window.cmbUnit.selectedIndex(), 2);
    EXPECT_EQ(window.VScroll1.value(), 123);
}

struct RangeCase {
    const char *letters;
    const char *data;
    const char *unitShown; // TXT_FUNIT afterwards
};

void PrintTo(const RangeCase &c, std::ostream *out)
{
    *out << c.letters << ' ' << c.data;
}

class OutOfRangeTest : public ReadFixture, public ::testing::WithParamInterface<RangeCase> {};

// Codes and trims the controls cannot hold leave them, and so the
// transmitter, alone.
TEST_P(OutOfRangeTest, LeavesListsAndBarsUnchanged)
{
    const auto &param = GetParam();
    findAndRead().values[param.letters] = param.data;
    bus.clearRequests();
    window.cmdReFresh.click();

    EXPECT_TRUE(writes().empty());
    EXPECT_EQ(window.cmbUnit.selectedIndex(), 2);
    EXPECT_EQ(window.Cmb_DP.selectedIndex(), 1);
    EXPECT_EQ(window.VScroll1.value(), 123);
    EXPECT_EQ(window.VScroll2.value(), -45);
    EXPECT_EQ(window.TXT_FUNIT.text(), param.unitShown);
}

INSTANTIATE_TEST_SUITE_P(Values, OutOfRangeTest,
                         ::testing::Values(RangeCase{"UT", "7", "Unknown"}, RangeCase{"UT", "-2", "Unknown"},
                                           RangeCase{"UT", "70000", "Unknown"}, RangeCase{"UT", "1e12", "Unknown"},
                                           RangeCase{"DP", "5", "mH2O"}, RangeCase{"DP", "-2", "mH2O"},
                                           RangeCase{"DP", "65537", "mH2O"}, RangeCase{"ZF", "+5001", "mH2O"},
                                           RangeCase{"ZF", "99999", "mH2O"}, RangeCase{"FF", "-5001", "mH2O"},
                                           RangeCase{"FF", "-40000", "mH2O"}));

} // namespace
} // namespace ortavel::test
