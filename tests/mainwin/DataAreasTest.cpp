#include "WindowFixture.h"

namespace ortavel::test {
namespace {

using DataAreasTest = ReadFixture;

// The broadcast to all sends values only and names the rest.
TEST_F(DataAreasTest, SaveTellsTheStoreByTheAnswerAndBroadcastsOnlyValues)
{
    const struct {
        const char *name;
        bool factory;
        bool same;
        bool answers;
        const char *sent;
        const char *text;
    } cases[] = {
        {"user", false, false, true, "07:WU", "Data Saved!"},
        {"no answer", false, false, false, "07:WU", "Data saved error!"},
        {"factory to all", true, true, true,
         "AA:TYPT100 AA:UT2 AA:DP1 AA:DL+000.0 AA:DH+100.0 AA:OL+000.0 AA:OH+100.0 AA:ZF+0123 AA:FF-0045 AA:WF 07:WF",
         "写入工厂数据区完成!"},
        {"nothing read", false, true, true, "AA:WU 07:WU",
         "Data Saved!\r\nNot written to all transmitters: TY, UT, DP, DL, DH, OL, OH, ZF, FF (no value read)"},
    };
    FakeTransmitter &transmitter = findAndRead();
    transmitter.values["WU"] = transmitter.values["WF"] = "OK";
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        transmitter.silent = c.answers ? std::set<std::string>{} : std::set<std::string>{"WU"};
        if (std::string(c.name) == "nothing read") {
            for (TextBox *box : {&window.txtType, &window.TXT_DPL, &window.TXT_DPH, &window.TXT_DAL, &window.TXT_DAH,
                                 &window.TXT_DAZF, &window.TXT_DAFF})
                box->showFailure("ERR 0\r");
            window.cmbUnit.setSelectedIndex(-1);
            window.Cmb_DP.setSelectedIndex(-1);
        }
        window.txtPass.setText(c.factory ? "tesmifo" : "");
        window.chkSame.setChecked(c.same);
        bus.clearRequests();
        messages.shown.clear();

        (c.factory ? window.CMD_FACT : window.CMD_USER).click();
        EXPECT_EQ(bus.sent(), c.sent);
        const std::string title = c.factory ? "写入工厂数据区" : "Save Data";
        EXPECT_EQ(messages.shown, (std::vector<FakeMessageBox::Shown>{{c.text, title}}));
    }
}

TEST_F(DataAreasTest, RestoreIsReportedOnlyWhenTheTransmitterSaysOK)
{
    FakeTransmitter &transmitter = findAndRead();
    transmitter.values["LD"] = "OK";
    for (const bool answers : {true, false}) {
        transmitter.silent = answers ? std::set<std::string>{} : std::set<std::string>{"LD"};
        messages.shown.clear();
        bus.clearRequests();
        window.CMD_LD.click();
        EXPECT_EQ(bus.commands(), split("LD"));
        const std::string text = answers ? "Restore the factory Setting" : "Restore the factory Setting failed!";
        EXPECT_EQ(messages.shown, (std::vector<FakeMessageBox::Shown>{{text, "Restore"}}));
    }
}

struct CodeStep {
    const char *typed;
    bool temperature;
    bool extremes;
    bool console;
    bool factory; // the factory save and the same-settings box
};

TEST_F(DataAreasTest, AccessCodesShowAndHideTheirControls)
{
    const CodeStep steps[] = {
        {"brolka", true, false, true, false},
        {"BROLKAN", true, true, true, false},
        {"brolkan ", true, true, true, false},
        {"xtesmifo", true, true, true, false},
        {"TesMifo", true, true, true, true},
        {"quandel", false, false, false, false},
        {"tesmifoquandel", false, false, false, false},
    };
    EXPECT_TRUE(window.TXT_TEMPERATURE.visible()) << "shown when the program starts";
    for (const auto &s : steps) {
        SCOPED_TRACE(s.typed);
        if (std::string(s.typed) == "quandel")
            window.chkSame.setChecked(true);
        window.txtPass.setText(s.typed);
        EXPECT_EQ(window.txtMAX.visible(), s.extremes);
        EXPECT_EQ(window.TXT_TEMPERATURE.visible() && window.lblTEMP.visible(), s.temperature);
        EXPECT_EQ(window.Cmd_INS.enabled(), s.console);
        EXPECT_EQ(window.CMD_FACT.visible() && window.CMD_FACT.enabled() && window.chkSame.visible(), s.factory);
    }
    EXPECT_FALSE(window.chkSame.checked()) << "the hide code unticks";

    window.requestFocus(window.txtInsSend);
    window.click();
    EXPECT_EQ(window.focused(), &window.txtPass);
    EXPECT_EQ(window.txtPass.text(), "");
}

} // namespace
} // namespace ortavel::test
