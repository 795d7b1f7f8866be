#include "WindowFixture.h"
#include "calib/frmYHJZ.h"

#include <functional>
#include <memory>
#include <sstream>

namespace ortavel::test {
namespace {

using Table = std::map<std::string, std::string>;

// Transmitters 07 and 08 hold calibration tables: point i is "+i0.0" as
// calibration and "+i0.1" as measured pressure at 07 ("+i8.x" at 08), three
// points in use. A write stores its value and answers it.
class CalibrationTest : public WindowFixture {
protected:
    void SetUp() override
    {
        loadOnPort3();
        for (const std::string address : {"07", "08"}) {
            Table &table = tables[address];
            table["PN"] = "3";
            table["RP0"] = "+012.34";
            for (int i = 0; i < frmYHJZ::kPoints; ++i) {
                const std::string tens = "+" + std::to_string(i) + (address == "07" ? "0." : "8.");
                table["UC" + std::to_string(i)] = tens + "0";
                table["FC" + std::to_string(i)] = tens + "1";
            }
            window.CMB_ADDR.addItem(address, 0);
            bus.add(address, {3}).script = [this, &table](const std::string &command) {
                return answer(table, command);
            };
        }
        window.CMB_ADDR.setSelectedIndex(0);
        window.cmbUnit.setEnabled(false);
        window.cmbUnit.setSelectedIndex(2);
    }

public:
    Ortavel &main() { return window; }

    std::optional<std::string> answer(Table &table, const std::string &command)
    {
        if (silent.count(command) != 0)
            return std::nullopt;
        if (const auto it = odd.find(command); it != odd.end())
            return it->second;
        if (command == "WU" || command == "WF")
            return "OK";
        const std::string key = command.substr(0, command.rfind("PN", 0) == 0 ? 2 : 3);
        if (command.size() > key.size())
            table[key] = command.substr(key.size());
        const auto it = table.find(key);
        return it == table.end() ? std::nullopt : std::optional(it->second);
    }

    frmYHJZ &open()
    {
        cal = std::make_unique<frmYHJZ>(window);
        cal->Form_Load();
        return *cal;
    }

    // Requests since the last call, "08:" in front of those not to 07.
    std::string sent()
    {
        std::string out;
        for (const auto &request : bus.requests())
            out += (out.empty() ? "" : " ") + (request.address == "07" ? "" : request.address + ":") + request.command;
        bus.clearRequests();
        return out;
    }

    std::string lastMessage() const { return messages.shown.empty() ? "" : messages.shown.back().text; }

    // The save's requests for the first n points of 07's table.
    static std::string points(int n)
    {
        std::ostringstream out;
        for (int i = 0; i < n; ++i)
            out << " FC" << i << '+' << i << "0.1 UC" << i << '+' << i << "0.0";
        return out.str();
    }

    std::map<std::string, Table> tables;
    std::set<std::string> silent;
    Table odd; // replies given instead of the table's
    std::unique_ptr<frmYHJZ> cal;
};

TEST_F(CalibrationTest, OpeningReadsTheWholeTableAndShowsTheCount)
{
    bus.clearRequests();
    const frmYHJZ &c = open();
    EXPECT_EQ(sent(), "PN UC0 FC0 UC1 FC1 UC2 FC2 UC3 FC3 UC4 FC4 UC5 FC5 UC6 FC6 UC7 FC7");
    EXPECT_EQ(c.Label2.caption(), "Unit:  mH2O");
    EXPECT_EQ(c.Combo1.text(), "3");
    EXPECT_EQ(c.OldPointCount, "3");
    for (int i = 0; i < frmYHJZ::kPoints; ++i) {
        EXPECT_EQ(c.txtLLYL(i).text(), "+" + std::to_string(i) + "0.0");
        EXPECT_EQ(c.txtCLYL(i).text(), "+" + std::to_string(i) + "0.1");
        for (const Control *row : std::initializer_list<const Control *>{&c.txtLLYL(i), &c.txtCLYL(i), &c.cmdYL(i)})
            EXPECT_EQ(row->enabled(), i < 3) << row->name();
        EXPECT_EQ(c.txtCLYL(i).backColor(), i < 3 ? TextBox::BackColor::Window : TextBox::BackColor::ButtonFace);
    }
    EXPECT_EQ(c.cmdYL(7).caption(), "Press.8");
    EXPECT_FALSE(c.Combo1.enabled());
    EXPECT_FALSE(c.cmdSAVE.enabled());
    EXPECT_FALSE(c.cmdSaveFactory.visible());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(c.Text1.text(), "     Calibration Steps: Press \"Recalibrate\"→ Select \"Calibration \r\n"
                              "Point Amount\" → Input calibration pressure and practical pressure \r\n"
                              "correspondingly → Press \"Save Calibration Data\" → Finish\r\n"
                              "The practical pressure can be gotten by pressing corresponding keys \r\n"
                              "\"Pressure Point\". When press \"Save Calibration Data\", the standard \r\n"
                              "data will be downloaded and saved in the transmitter.\r\n");
}

struct Case {
    const char *name;
    std::function<void(CalibrationTest &, frmYHJZ &)> act; // after opening
    std::string requests;                                  // up to and with the closing one
    const char *message;                                   // in the last message box; "" for none
};

void PrintTo(const Case &c, std::ostream *out)
{
    *out << c.name;
}

class SequenceTest : public CalibrationTest, public ::testing::WithParamInterface<Case> {};

// Everything the window sends after opening, closing included, and what it
// says at the end.
TEST_P(SequenceTest, SendsAndSays)
{
    frmYHJZ &c = open();
    bus.clearRequests();
    messages.shown.clear();
    GetParam().act(*this, c);
    c.cmdExit.click();
    EXPECT_EQ(sent(), GetParam().requests);
    EXPECT_NE(lastMessage().find(GetParam().message), std::string::npos) << lastMessage();
    EXPECT_EQ(messages.shown.empty(), std::string(GetParam().message).empty()) << lastMessage();
}

void recalibrate(frmYHJZ &c, int count)
{
    c.CmdReCal.click();
    c.Combo1.choose(count);
}

void save(frmYHJZ &c, int count)
{
    recalibrate(c, count);
    c.cmdSAVE.click();
}

const char *const kDone = "Download Calibration Data finished !";

INSTANTIATE_TEST_SUITE_P(
    Window, SequenceTest,
    ::testing::Values(
        Case{"Untouched", [](auto &, auto &) {}, "PN3", ""},
        Case{"Read", [](CalibrationTest &, frmYHJZ &c) { c.cmdReadCAL.click(); },
             "PN FC0 UC0 FC1 UC1 FC2 UC2 FC3 UC3 FC4 UC4 FC5 UC5 FC6 UC6 FC7 UC7 PN3", ""},
        Case{"Recalibrate", [](CalibrationTest &, frmYHJZ &c) { c.CmdReCal.click(); }, "PN0 PN3", ""},
        Case{"Press3", [](CalibrationTest &, frmYHJZ &c) { c.cmdYL(2).click(); }, "RP0 PN3", ""},
        Case{"SaveNone", [](CalibrationTest &, frmYHJZ &c) { save(c, 0); }, "PN0 PN0 WU", kDone},
        Case{"SaveThree", [](CalibrationTest &, frmYHJZ &c) { save(c, 3); }, "PN0 PN3" + CalibrationTest::points(3) + " WU",
             kDone},
        Case{"SaveEight", [](CalibrationTest &, frmYHJZ &c) { save(c, 8); }, "PN0 PN8" + CalibrationTest::points(8) + " WU",
             kDone},
        Case{"TypedCount",
             [](CalibrationTest &, frmYHJZ &c) {
                 recalibrate(c, 8);
                 c.Combo1.setText("2");
                 c.cmdSAVE.click();
                 EXPECT_TRUE(c.txtLLYL(7).enabled()) << "rows stay as the chosen entry left them";
             },
             "PN0 PN2" + CalibrationTest::points(2) + " WU", kDone},
        Case{"OtherTransmitterSelected",
             [](CalibrationTest &fx, frmYHJZ &c) {
                 fx.main().CMB_ADDR.setSelectedIndex(1);
                 c.cmdYL(0).click();
             },
             "08:RP0 PN3", ""},
        Case{"FactoryAfterConfirmedSave",
             [](CalibrationTest &, frmYHJZ &c) {
                 recalibrate(c, 1);
                 c.cmdSaveFactory.click();
             },
             "PN0 PN1" + CalibrationTest::points(1) + " WU WF", kDone},
        // Mended faults.
        Case{"FactoryWhoseWFFails",
             [](CalibrationTest &fx, frmYHJZ &c) {
                 fx.silent.insert("WF");
                 recalibrate(c, 1);
                 c.cmdSaveFactory.click();
             },
             "PN0 PN1" + CalibrationTest::points(1) + " WU WF", "Save to Factury failed (answer: ERR 0)."},
        Case{"FactoryAfterFailedSave",
             [](CalibrationTest &fx, frmYHJZ &c) {
                 fx.silent.insert("WU");
                 recalibrate(c, 1);
                 c.cmdSaveFactory.click();
             },
             "PN0 PN1" + CalibrationTest::points(1) + " WU PN3", "failed at WU (answer: ERR 0)"},
        Case{"EchoOfAnotherValueStopsTheSave",
             [](CalibrationTest &fx, frmYHJZ &c) {
                 fx.odd["FC1+10.1"] = "+99.0";
                 save(c, 3);
             },
             "PN0 PN3 FC0+00.1 UC0+00.0 FC1+10.1 PN3", "failed at FC1+10.1 (answer: *07+99.0)"},
        Case{"EchoInFewerDecimalsConfirms",
             [](CalibrationTest &fx, frmYHJZ &c) {
                 recalibrate(c, 1);
                 c.txtCLYL(0).setText("12.34");
                 fx.odd["FC012.34"] = "+12.3";
                 c.cmdSAVE.click();
             },
             "PN0 PN1 FC012.34 UC0+00.0 WU", kDone},
        Case{"CountNotConfirmed",
             [](CalibrationTest &fx, frmYHJZ &c) {
                 fx.odd["PN2"] = "0";
                 save(c, 2);
             },
             "PN0 PN2 PN3", "failed at PN2 (answer: *070)"},
        Case{"CountOutsideTheTable",
             [](CalibrationTest &, frmYHJZ &c) {
                 recalibrate(c, 8);
                 c.Combo1.setText("12");
                 c.cmdSAVE.click();
             },
             "PN0 PN3", "must be 0 to 8"},
        Case{"CountNoNumber",
             [](CalibrationTest &, frmYHJZ &c) {
                 c.CmdReCal.click();
                 c.Combo1.setText("Combo1");
                 c.cmdSAVE.click();
             },
             "PN0 PN3", "must be 0 to 8"},
        Case{"UnreadPointsAreNeitherSentNorStored",
             [](CalibrationTest &fx, frmYHJZ &c) {
                 fx.silent.insert("FC1");
                 fx.silent.insert("UC4");
                 c.cmdReadCAL.click();
                 EXPECT_EQ(c.txtCLYL(1).text(), "ERR 0");
                 EXPECT_FALSE(c.txtLLYL(4).holdsValue());
                 EXPECT_NE(fx.lastMessage().find("points 2, 5;"), std::string::npos);
                 save(c, 8);
             },
             "PN FC0 UC0 FC1 UC1 FC2 UC2 FC3 UC3 FC4 UC4 FC5 UC5 FC6 UC6 FC7 UC7 PN0 PN3",
             "Nothing was sent: points 2, 5 hold no value"},
        Case{"UnreadPressureIsNoValue",
             [](CalibrationTest &fx, frmYHJZ &c) {
                 fx.silent.insert("RP0");
                 c.cmdYL(0).click();
                 EXPECT_NE(fx.lastMessage().find("Could not read point 1;"),
                           std::string::npos);
                 save(c, 1);
             },
             "RP0 PN0 PN3", "point 1 holds no value"}),
    [](const ::testing::TestParamInfo<Case> &caseInfo) { return std::string(caseInfo.param.name); });

struct OpeningFault {
    const char *name;
    const char *countReply; // nullptr: no answer
    bool garbled;
};

void PrintTo(const OpeningFault &c, std::ostream *out)
{
    *out << c.name;
}

class OpeningFaultTest : public CalibrationTest, public ::testing::WithParamInterface<OpeningFault> {};

// A count that is no count the list holds is never given back at closing.
TEST_P(OpeningFaultTest, NoCountNoClosingRequest)
{
    if (GetParam().garbled)
        bus.at("07").garbled.insert("PN");
    else if (GetParam().countReply == nullptr)
        silent.insert("PN");
    else
        odd["PN"] = GetParam().countReply;
    frmYHJZ &c = open();
    EXPECT_EQ(c.Combo1.selectedIndex(), -1);
    EXPECT_TRUE(c.OldPointCount.empty());
    EXPECT_EQ(lastMessage(), "Could not read the number of calibration points.");
    bus.clearRequests();
    c.CmdReCal.click();
    c.cmdExit.click();
    EXPECT_EQ(sent(), "PN0");
}

INSTANTIATE_TEST_SUITE_P(Counts, OpeningFaultTest,
                         ::testing::Values(OpeningFault{"NoReply", nullptr, false},
                                           OpeningFault{"BadReply", nullptr, true}, OpeningFault{"Nine", "9", false}),
                         [](const ::testing::TestParamInfo<OpeningFault> &caseInfo) {
                             return std::string(caseInfo.param.name);
                         });

// The closing request goes to the transmitter the table came from, and a
// save that was not confirmed leaves the count to be given back.
TEST_F(CalibrationTest, ClosingGoesToTheTransmitterReadAtOpening)
{
    frmYHJZ &c = open();
    c.CmdReCal.click();
    silent.insert("WU");
    c.Combo1.choose(2);
    c.cmdSAVE.click();
    EXPECT_EQ(c.CalSaved, 0);
    window.CMB_ADDR.setSelectedIndex(1);
    bus.clearRequests();
    c.cmdExit.click();
    EXPECT_EQ(sent(), "PN3");
    EXPECT_EQ(windows.closeAnswers, std::vector<bool>{true});
}

struct Code {
    const char *typed;
    bool reveals;
};

void PrintTo(const Code &c, std::ostream *out)
{
    *out << c.typed;
}

class AccessCodeTest : public CalibrationTest, public ::testing::WithParamInterface<Code> {};

// Only the display code counts here, in any case, as the whole text.
TEST_P(AccessCodeTest, DisplayCodeRevealsTheFactorySave)
{
    frmYHJZ &c = open();
    for (const char letter : std::string(GetParam().typed))
        c.txtPass.setText(c.txtPass.text() + letter);
    EXPECT_EQ(c.cmdSaveFactory.visible(), GetParam().reveals) << GetParam().typed;
    c.Form_Click();
    EXPECT_EQ(c.txtPass.text(), "");
    EXPECT_EQ(c.focused(), &c.txtPass);
    EXPECT_EQ(c.cmdSaveFactory.visible(), GetParam().reveals) << "nothing hides it again";
}

INSTANTIATE_TEST_SUITE_P(Codes, AccessCodeTest,
                         ::testing::Values(Code{"brolkan", true}, Code{"BrolKAN", true}, Code{"tesmifo", false},
                                           Code{"quandel", false}, Code{"xbrolkan", false}, Code{"brolka", false}));

} // namespace
} // namespace ortavel::test
