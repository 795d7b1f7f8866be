#include "WindowFixture.h"

namespace ortavel::test {
namespace {

// Whether a good read came first.
class ErrorResultTest : public ReadFixture, public ::testing::WithParamInterface<bool> {
protected:
    static void failEverything(FakeTransmitter &transmitter)
    {
        transmitter.silent = {"AD", "BD", "TY", "VR", "OL", "OH", "SL", "SH", "FU",
                              "DL", "DH", "UT", "ID", "DP", "ZF", "FF", "RP", "RT"};
    }
};

// Every row fails: each control shows the failure whole, and nothing is written.
TEST_P(ErrorResultTest, FailedRowsShowTheirResultAndWritesSkipThem)
{
    const bool readGoodFirst = GetParam();
    if (readGoodFirst) {
        failEverything(findAndRead());
        bus.clearRequests();
        window.cmdReFresh.click();
        EXPECT_EQ(bus.commands(), split("TY VR OL OH DL DH UT DL DH UT TY ID DP ZF FF RP0 RT0"));
    } else {
        findAndRead("1.50", 3, [this](FakeTransmitter &transmitter) {
            failEverything(transmitter);
            transmitter.silent.erase("AD");
        });
    }
    EXPECT_TRUE(writes().empty());
    for (const TextBox *box :
         {&window.TXT_TYPE, &window.TXT_VER, &window.TXT_SCZ, &window.TXT_SCF, &window.TXT_FUNIT, &window.TXT_DPL,
          &window.TXT_DPH, &window.txtType, &window.TXT_ID, &window.txtID, &window.TXT_DAL, &window.TXT_DAH,
          &window.TXT_DAZF, &window.TXT_DAFF, &window.TXT_PRESSURE, &window.TXT_TEMPERATURE}) {
        EXPECT_EQ(box->text(), "ERR 0\r") << box->name();
        EXPECT_FALSE(box->holdsValue()) << box->name();
    }
    EXPECT_EQ(window.cmbUnit.selectedIndex(), -1);
    EXPECT_EQ(window.Cmb_DP.selectedIndex(), -1);
    EXPECT_EQ(window.VScroll1.value(), readGoodFirst ? 123 : 0);
    EXPECT_EQ(window.VScroll2.value(), readGoodFirst ? -45 : 0);
    expectTexts({{&window.Label3, ""}, {&window.txtMAX, "-999.9"}, {&window.txtMIN, "+999.9"}});

    // Writes skip what nobody chose and say so.
    struct Case {
        Button &button;
        const char *sent;
        const char *panel;
    };
    const Case cases[] = {
        {window.cmdSCALE_Write, "", "Not written: UT, DP, DL, DH (no value read)"},
        {window.cmdDA_Write, "", "Not written: OL, OH, ZF, FF (no value read)"},
        {window.COM_ADDR, "AD07 BD3", "Not written: TY, ID (no value read); no good reply: AD, BD"},
        {window.cmdSCALE_Read, "UT DP DL DH", "No good reply: UT, DP, DL, DH"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.button.name());
        bus.clearRequests();
        c.button.click();
        EXPECT_EQ(bus.commands(), split(c.sent));
        EXPECT_EQ(window.StatusBar1.panel(1), c.panel);
    }
    expectTexts({{&window.TXT_ADDR, "07"}, {&window.CMB_ADDR, "07"}});
    EXPECT_EQ(port.settings(), "9600,N,8,1");
}

INSTANTIATE_TEST_SUITE_P(AfterAGoodReadOrNot, ErrorResultTest, ::testing::Bool());

// A code no entry stands for selects none; a trim the bar cannot hold leaves it.
TEST_F(ReadFixture, OutOfRangeValuesNameNoEntryAndMoveNoBar)
{
    const struct {
        const char *letters;
        const char *data;
    } cases[] = {
        {"UT", "7"},   {"UT", "-2"},    {"UT", "kg"},    {"UT", "1e12"},   {"DP", "5"},
        {"ZF", "abc"}, {"ZF", "+5001"}, {"FF", "-5001"}, {"FF", "-40000"},
    };
    FakeTransmitter &transmitter = findAndRead();
    const auto typical = transmitter.values;
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.letters) + " " + c.data);
        transmitter.values = typical;
        window.cmdReFresh.click(); // back to the state of a good read
        transmitter.values[c.letters] = c.data;
        bus.clearRequests();
        window.cmdReFresh.click();
        const std::string letters = c.letters;
        EXPECT_TRUE(writes().empty());
        EXPECT_EQ(window.cmbUnit.selectedIndex(), letters == "UT" ? -1 : 2);
        EXPECT_EQ(window.Cmb_DP.selectedIndex(), letters == "DP" ? -1 : 1);
        EXPECT_EQ(window.VScroll1.value(), 123);
        EXPECT_EQ(window.VScroll2.value(), -45);
        EXPECT_EQ(window.TXT_FUNIT.text(), letters == "UT" ? "Unknown" : "mH2O");
    }
}

} // namespace
} // namespace ortavel::test
