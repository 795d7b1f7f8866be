#include "WindowFixture.h"
#include "calib/frmYHJZ.h"
#include "verify/FrmVerify.h"

#include <memory>
#include <sstream>

namespace ortavel::test {
namespace {

using Table = std::map<std::string, std::string>;

// 07 and 08 share one table: point i is "+i0.0" calibration, "+i0.1" measured; three in use.
class CalibrationTest : public WindowFixture {
protected:
    void SetUp() override
    {
        loadOnPort3();
        m_table = {{"PN", "3"}, {"RP0", "+012.34"}};
        for (int i = 0; i < frmYHJZ::kPoints; ++i) {
            m_table["UC" + std::to_string(i)] = "+" + std::to_string(i) + "0.0";
            m_table["FC" + std::to_string(i)] = "+" + std::to_string(i) + "0.1";
        }
        for (const std::string address : {"08", "07"}) {
            window.CMB_ADDR.addItem(address, 0);
            m_07 = &bus.add(address, {3}); // 07 last
            m_07->script = [this](const std::string &command) { return answer(command); };
        }
        window.OnlineList = {3, 3};
        window.CMB_ADDR.setSelectedIndex(1);
        window.cmbUnit.setEnabled(false);
        window.cmbUnit.setSelectedIndex(2);
    }

    // "-WU": WU unanswered, "~PN": every PN garbled, "FC1+10.1>+99.0": that request answered so.
    void fail(const std::string &faults)
    {
        std::istringstream words(faults);
        for (std::string word; words >> word;) {
            if (word[0] == '-')
                m_silent.insert(word.substr(1));
            else if (word[0] == '~')
                m_07->garbled.insert(word.substr(1));
            else
                m_odd[word.substr(0, word.find('>'))] = word.substr(word.find('>') + 1);
        }
    }

    std::optional<std::string> answer(const std::string &command)
    {
        if (m_silent.count(command) != 0)
            return std::nullopt;
        if (const auto it = m_odd.find(command); it != m_odd.end())
            return it->second;
        if (command == "WU" || command == "WF")
            return "OK";
        const std::string key = command.substr(0, command.rfind("PN", 0) == 0 ? 2 : 3);
        if (command.size() > key.size())
            m_table[key] = command.substr(key.size());
        const auto it = m_table.find(key);
        return it == m_table.end() ? std::nullopt : std::optional(it->second);
    }

    frmYHJZ &open()
    {
        m_cal = std::make_unique<frmYHJZ>(window);
        m_cal->Form_Load();
        return *m_cal;
    }

    // Buttons by name; "n3" chooses, "count=12" types a count; "C0=1.5" types a pressure.
    void act(frmYHJZ &c, const std::string &script)
    {
        std::istringstream words(script);
        const std::map<std::string, Button *> buttons = {{"recal", &c.CmdReCal},
                                                         {"read", &c.cmdReadCAL},
                                                         {"save", &c.cmdSAVE},
                                                         {"factory", &c.cmdSaveFactory},
                                                         {"exit", &c.cmdExit}};
        for (std::string word; words >> word;) {
            const auto number = [&word](std::size_t at) { return std::stoi(word.substr(at)); };
            if (buttons.count(word) != 0)
                buttons.at(word)->click();
            else if (word[0] == 'n')
                c.Combo1.choose(number(1));
            else if (word.rfind("count=", 0) == 0)
                c.Combo1.setText(word.substr(6));
            else if (word.rfind("press", 0) == 0)
                c.cmdYL(number(5) - 1).click();
            else if (word[0] == 'C')
                c.txtCLYL(number(1)).setText(word.substr(word.find('=') + 1));
            else if (word == "select08") {
                // Its read is the main window's, not this window's.
                m_earlier = sent();
                window.CMB_ADDR.setSelectedIndex(0);
                bus.clearRequests();
            }
        }
    }

    std::string sent()
    {
        std::string out = std::exchange(m_earlier, "");
        for (const auto &request : bus.requests())
            out += (out.empty() ? "" : " ") + (request.address == "07" ? "" : request.address + ":") + request.command;
        bus.clearRequests();
        return out;
    }

    std::string lastMessage() const { return messages.shown.empty() ? "" : messages.shown.back().text; }

    std::string m_earlier;
    Table m_table;
    std::set<std::string> m_silent;
    Table m_odd;
    std::unique_ptr<frmYHJZ> m_cal;
    FakeTransmitter *m_07 = nullptr;
};

// The save's requests for the first n points.
std::string points(int n)
{
    std::ostringstream out;
    for (int i = 0; i < n; ++i)
        out << " FC" << i << '+' << i << "0.1 UC" << i << '+' << i << "0.0";
    return out.str();
}

TEST_F(CalibrationTest, OpeningReadsTheWholeTableAndShowsTheCount)
{
    bus.clearRequests();
    const frmYHJZ &c = open();
    EXPECT_EQ(sent(), "PN UC0 FC0 UC1 FC1 UC2 FC2 UC3 FC3 UC4 FC4 UC5 FC5 UC6 FC6 UC7 FC7");
    EXPECT_EQ(c.Label2.caption(), "Unit:  mH2O");
    EXPECT_EQ(c.txtLLYL(7).text() + c.txtCLYL(7).text(), "+70.0+70.1");
    EXPECT_FALSE(c.txtCLYL(3).enabled() || c.cmdSaveFactory.visible());
    EXPECT_TRUE(messages.shown.empty());
}

struct Case {
    const char *name;
    const char *faults; // set before the window opens
    const char *script; // after opening; "exit" closes
    std::string requests;
    const char *message; // in the last message box
    std::size_t messages = 0;
};

class SequenceTest : public CalibrationTest, public ::testing::WithParamInterface<Case> {};

TEST_P(SequenceTest, SendsAndSays)
{
    fail(GetParam().faults);
    frmYHJZ &c = open();
    bus.clearRequests();
    act(c, GetParam().script);
    EXPECT_EQ(sent(), GetParam().requests);
    EXPECT_EQ(messages.shown.size(), GetParam().messages) << lastMessage();
    EXPECT_NE(lastMessage().find(GetParam().message), std::string::npos) << lastMessage();
}

const char *const kDone = "Download Calibration Data finished !";
const char *const kNoCount = "Could not read the number of calibration points.";

INSTANTIATE_TEST_SUITE_P(
    Window, SequenceTest,
    ::testing::Values(
        Case{"Read", "", "read exit", "PN FC0 UC0 FC1 UC1 FC2 UC2 FC3 UC3 FC4 UC4 FC5 UC5 FC6 UC6 FC7 UC7 PN3", ""},
        Case{"Recalibrate", "", "recal exit", "PN0 PN3", ""},
        Case{"SaveNone", "", "recal n0 save exit", "PN0 PN0 WU", kDone, 1},
        Case{"SaveEight", "", "recal n8 save exit", "PN0 PN8" + points(8) + " WU", kDone, 1},
        Case{"TypedCount", "", "recal n8 count=2 save exit", "PN0 PN2" + points(2) + " WU", kDone, 1},
        Case{"ReadOverATypedCount", "", "count=5 read recal save exit",
             "PN FC0 UC0 FC1 UC1 FC2 UC2 FC3 UC3 FC4 UC4 FC5 UC5 FC6 UC6 FC7 UC7 PN0 PN3" + points(3) + " WU", kDone,
             1},
        Case{"Factory", "", "recal n1 factory exit", "PN0 PN1" + points(1) + " WU WF", kDone, 1},
        // Once 08 is selected, nothing of 07's table or count reaches it.
        Case{"OtherTransmitterSelected", "", "select08 press1 recal read exit", "",
             "The point count 3 was not given back to the transmitter 07: it is no longer selected.", 4},
        // Mended faults: replies are checked, unread values never travel.
        Case{"NoClosingRequestOnceStale", "-WU", "recal n2 save select08 exit", "PN0 PN2" + points(2) + " WU",
             "not given back", 2},
        Case{"FactoryAfterFailedSave", "-WU", "recal n1 factory exit", "PN0 PN1" + points(1) + " WU PN3",
             "failed at WU (answer: ERR 0)", 1},
        Case{"FactoryWhoseWFFails", "-WF", "recal n1 factory exit", "PN0 PN1" + points(1) + " WU WF",
             "Save to Factury failed (answer: ERR 0).", 2},
        Case{"EchoOfAnotherValue", "FC1+10.1>+99.0", "recal n3 save exit", "PN0 PN3 FC0+00.1 UC0+00.0 FC1+10.1 PN3",
             "failed at FC1+10.1 (answer: *07+99.0)", 1},
        Case{"EchoWithoutData", "FC1+10.1>", "recal n3 save exit", "PN0 PN3 FC0+00.1 UC0+00.0 FC1+10.1 PN3",
             "failed at FC1+10.1 (answer: *07)", 1},
        Case{"EchoInFewerDecimals", "FC012.34>+12.3", "recal n1 C0=12.34 save exit", "PN0 PN1 FC012.34 UC0+00.0 WU",
             kDone, 1},
        Case{"CountNotConfirmed", "PN2>0", "recal n2 save exit", "PN0 PN2 PN3", "failed at PN2 (answer: *070)", 1},
        Case{"CountOutsideTheTable", "", "recal count=12 save exit", "PN0 PN3", "must be 0 to 8", 1},
        Case{"CountNotWhole", "", "recal n8 count=2.5 save exit", "PN0 PN3", "must be 0 to 8", 1},
        Case{"UnreadPoints", "-FC1 -UC4", "read recal n8 save exit",
             "PN FC0 UC0 FC1 UC1 FC2 UC2 FC3 UC3 FC4 UC4 FC5 UC5 FC6 UC6 FC7 UC7 PN0 PN3",
             "Nothing was sent: points 2, 5 hold no value", 3},
        Case{"UnreadPressure", "~RP", "press2 recal n3 save exit", "RP0 PN0 PN3",
             "Nothing was sent: point 2 holds no value", 2},
        Case{"PointWithoutANumber", "UC1>", "recal n3 save exit", "PN0 PN3", "Nothing was sent: point 2 holds no value",
             2},
        Case{"TypedPressureNoNumber", "", "recal n1 C0=1.5x save exit", "PN0 PN3",
             "Nothing was sent: point 1 holds no value", 1},
        Case{"CountUnanswered", "-PN", "recal exit", "PN0", kNoCount, 1},
        Case{"CountNotInTheList", "PN>9", "recal exit", "PN0", kNoCount, 1},
        Case{"CountWithoutNumber", "PN>", "recal exit", "PN0", kNoCount, 1}),
    [](const ::testing::TestParamInfo<Case> &caseInfo) { return std::string(caseInfo.param.name); });

// A failed answer, or one of another address, shows whole, and is no value.
TEST_F(CalibrationTest, FailuresShowWhole)
{
    fail("-FC1 ~UC");
    m_07->payloadOverride["RP"] = "05+012.34";
    frmYHJZ &c = open();
    act(c, "press3");
    EXPECT_EQ(c.txtCLYL(1).text() + c.txtLLYL(4).text() + c.txtCLYL(2).text(), "ERR 0EER 3*05+012.34");
    EXPECT_FALSE(c.txtCLYL(1).holdsValue() || c.txtLLYL(4).holdsValue() || c.txtCLYL(2).holdsValue());
}

// Picked and read in a search's pause, 07 is still no transmitter of the calibration or verification window.
TEST_F(CalibrationTest, OpenedDuringASearchSendsNothing)
{
    window.setSearchLastAddress(8);
    events.actions[10] = [this] {
        window.CMB_ADDR.choose(0);
        bus.clearRequests();
        open();
        EXPECT_NE(lastMessage().find("a search is running"), std::string::npos) << lastMessage();
        FrmVerify verification(window);
        verification.cmdStart.click();
        EXPECT_EQ(sent(), "");
    };
    window.cmdSEARCH.click();
    ASSERT_TRUE(m_cal);
}

// Only the display code counts here, as the whole text.
TEST_F(CalibrationTest, OnlyTheDisplayCodeCounts)
{
    frmYHJZ &c = open();
    for (const std::string typed : {"tesmifo", "quandel", "xbrolkan", "brolka"}) {
        c.txtPass.setText(typed);
        EXPECT_FALSE(c.cmdSaveFactory.visible()) << typed;
    }
}

} // namespace
} // namespace ortavel::test
