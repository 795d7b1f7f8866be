#include "WindowFixture.h"

#include <map>

namespace ortavel::test {
namespace {

// Registration order with each frame's or menu's children in brackets.
const char *const kLayout =
    "Option[UserCal space1 About space2 Exit] View[mnuTraffic mnuTrend] StatusBar1 "
    "frame_INFO[Label18 cmbCommPort LBL_ADDR CMB_ADDR Label16 TXT_TYPE Label14 TXT_BAND LBL_DPH TXT_SCZ Label15 "
    "TXT_SCF TXT_FUNIT LBL_VR TXT_VER LBL_ID TXT_ID] cmdSEARCH cmdReFresh txtPass COM_QUIT Label19 Label20 "
    "frame_ADBD[Label7 TXT_ADDR Label8 CMB_BAND Label22 txtType Label11 txtID COM_ADDR] "
    "frame_CVALUE[Label5 TXT_PRESSURE Label3 lblTEMP TXT_TEMPERATURE Label4 cmdON_OFF COM_SC cmdReset lblMAX txtMAX "
    "lblMIN txtMIN] frame_DISP[Label21 cmbUnit Label12 Cmb_DP cmdSCALE_Read cmdSCALE_Write Label9 TXT_DPL Label10 "
    "TXT_DPH] chkSame CMD_USER CMD_FACT CMD_LD frame_IOUT[Label1 TXT_DAL Label2 TXT_DAH Label30 TXT_DAZF VScroll1 "
    "Label31 TXT_DAFF VScroll2 cmdDA_Read cmdDA_Write] Frame_Command[lblIns1 txtInsSend lblIns2 txtReturn Cmd_INS] "
    "Timer1";

using InitialStateTest = WindowFixture;

// Texts come from the declarations; what is checked here is what the
// window sets up: order, frames, and which controls differ from the default.
TEST_F(InitialStateTest, ControlsInOrderInTheirFramesWithTheirStates)
{
    EXPECT_EQ(window.caption(), "Intelligent Transmitter Parameter Setting     Ver 1.35e");
    std::string layout;
    std::map<std::string, std::string> states; // kind of state: the controls in it
    const auto note = [&states](const char *state, const std::string &name) {
        states[state] += (states[state].empty() ? "" : " ") + name;
    };
    const Control *top = nullptr;
    bool inFrame = false;
    for (const Control *control : window.controls()) {
        const std::string &name = control->name();
        if (const Control *parent = window.parentOf(*control); parent == nullptr) {
            layout += std::string(inFrame ? "]" : "") + (top != nullptr ? " " : "") + name;
            top = control;
            inFrame = false;
        } else {
            EXPECT_EQ(parent, top) << name;
            layout += (inFrame ? " " : "[") + name;
            inFrame = true;
        }
        EXPECT_EQ(window.find(name), control);
        if (!control->visible())
            note("hidden", name);
        if (!control->enabled())
            note("disabled", name);
        if (const auto *box = dynamic_cast<const TextBox *>(control); box != nullptr && box->readOnly())
            note("read-only", name);
        if (!control->toolTip().empty())
            note("tip", name + "=" + control->toolTip());
    }
    EXPECT_EQ(layout, kLayout);
    const std::map<std::string, std::string> expected = {
        {"hidden", "Label19 Label20 cmdReset lblMAX txtMAX lblMIN txtMIN Label9 TXT_DPL Label10 TXT_DPH chkSame "
                   "CMD_FACT"},
        {"disabled", "CMD_FACT Timer1"},
        {"read-only", "TXT_TYPE TXT_BAND TXT_SCZ TXT_SCF TXT_FUNIT TXT_VER TXT_ID TXT_PRESSURE TXT_TEMPERATURE "
                      "TXT_DAZF TXT_DAFF"},
        {"tip", "TXT_ADDR=Input Address TXT_PRESSURE=Current Measuring Value TXT_TEMPERATURE=当前温度值 "
                "TXT_DAL=PressureValue at 4mA Output TXT_DAH=PressureValue at 20mA Output"},
    };
    EXPECT_EQ(states, expected);
}

TEST_F(InitialStateTest, ListsHoldTheirEntriesWithItemDataAndNoSelection)
{
    struct ListCase {
        const ComboBox &list;
        std::vector<std::pair<std::string, int>> entries;
    };
    const ListCase cases[] = {
        {window.cmbCommPort, {{"com1", 1}, {"com2", 2}, {"com3", 3}, {"com4", 4}, {"com5", 5}, {"com6", 6}}},
        {window.CMB_BAND, {{"1200", 0}, {"2400", 1}, {"4800", 2}, {"9600", 3}}},
        {window.cmbUnit, {{"kPa", 0}, {"Mpa", 1}, {"mH2O", 2}, {"Bar", 3}, {"psi", 4}, {"mBar", 5}, {"unknow", 6}}},
        {window.Cmb_DP, {{"0000.", 0}, {"000.0", 1}, {"00.00", 2}, {"0.000", 3}, {".0000", 4}}},
        {window.CMB_ADDR, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.list.name());
        std::vector<std::pair<std::string, int>> entries;
        for (const auto &entry : c.list.entries())
            entries.emplace_back(entry.text, entry.itemData);
        EXPECT_EQ(entries, c.entries);
        EXPECT_EQ(c.list.selectedIndex(), -1);
    }
}

TEST_F(InitialStateTest, NonVisualStateBeforeLoad)
{
    EXPECT_EQ(window.Timer1.interval(), 200);
    EXPECT_FALSE(window.Timer1.enabled());
    for (const ScrollBar *bar : {&window.VScroll1, &window.VScroll2}) {
        EXPECT_EQ(bar->minimum(), -5000);
        EXPECT_EQ(bar->maximum(), 5000);
        EXPECT_EQ(bar->value(), 0);
    }
    EXPECT_EQ(panels(), std::vector<std::string>(StatusBar::kPanels));
    EXPECT_TRUE(window.OnlineList.empty());
    EXPECT_FALSE(window.PollPressure);
    EXPECT_EQ(window.searchLastAddress(), 99);
    EXPECT_TRUE(port.calls().empty()) << "nothing touches the port before load";
}

} // namespace
} // namespace ortavel::test
