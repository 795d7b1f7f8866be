#include "WindowFixture.h"

#include <set>

namespace ortavel::test {
namespace {

enum Flag : unsigned { kHidden = 1U, kReadOnly = 2U, kDisabled = 4U };

struct Expected {
    const char *name;
    const char *parent;
    const char *text; // caption, or text of a box or list
    unsigned flags = 0;
    const char *toolTip = "";
};

// The window as it opens, control by control, in registration order.
const Expected kExpected[] = {
    {"Option", "", "Option(&O)"},
    {"UserCal", "Option", "UserCal (&C)"},
    {"space1", "Option", "-"},
    {"About", "Option", "About...(&A)"},
    {"space2", "Option", "-"},
    {"Exit", "Option", "Exit(&X)"},
    {"View", "", "View(&V)"},
    {"mnuTraffic", "View", "Traffic(&T)"},
    {"mnuTrend", "View", "Trend(&R)"},
    {"StatusBar1", "", ""},
    {"frame_INFO", "", "Current Transmitter Information"},
    {"Label18", "frame_INFO", "Port:"},
    {"cmbCommPort", "frame_INFO", ""},
    {"LBL_ADDR", "frame_INFO", "Addr:"},
    {"CMB_ADDR", "frame_INFO", "在线变送器地址列表"},
    {"Label16", "frame_INFO", "Type:"},
    {"TXT_TYPE", "frame_INFO", "TYPE", kReadOnly},
    {"Label14", "frame_INFO", "Band:"},
    {"TXT_BAND", "frame_INFO", "TXT_BAND", kReadOnly},
    {"LBL_DPH", "frame_INFO", "Range:"},
    {"TXT_SCZ", "frame_INFO", "SCZ", kReadOnly},
    {"Label15", "frame_INFO", "～"},
    {"TXT_SCF", "frame_INFO", "SCF", kReadOnly},
    {"TXT_FUNIT", "frame_INFO", "UNIT", kReadOnly},
    {"LBL_VR", "frame_INFO", "Versie:"},
    {"TXT_VER", "frame_INFO", "VER", kReadOnly},
    {"LBL_ID", "frame_INFO", "ID:"},
    {"TXT_ID", "frame_INFO", "ID", kReadOnly},
    {"cmdSEARCH", "", "Search"},
    {"cmdReFresh", "", "Reflash"},
    {"txtPass", "", ""},
    {"COM_QUIT", "", "Exit"},
    {"Label19", "", "0", kHidden},
    {"Label20", "", "0", kHidden},
    {"frame_ADBD", "", "Basic Information Setting"},
    {"Label7", "frame_ADBD", "Addr:"},
    {"TXT_ADDR", "frame_ADBD", "ADDR", 0, "Input Address"},
    {"Label8", "frame_ADBD", "Band:"},
    {"CMB_BAND", "frame_ADBD", "Choose Baud Rate"},
    {"Label22", "frame_ADBD", "Type:"},
    {"txtType", "frame_ADBD", "txt_Type"},
    {"Label11", "frame_ADBD", "ID:"},
    {"txtID", "frame_ADBD", "txtID"},
    {"COM_ADDR", "frame_ADBD", "Modify"},
    {"frame_CVALUE", "", "Current Measuring Value"},
    {"Label5", "frame_CVALUE", "Pressure:"},
    {"TXT_PRESSURE", "frame_CVALUE", "PRESSURE", kReadOnly, "Current Measuring Value"},
    {"Label3", "frame_CVALUE", "Unit"},
    {"lblTEMP", "frame_CVALUE", "Temp:"},
    {"TXT_TEMPERATURE", "frame_CVALUE", "TEMPERATURE", kReadOnly, "当前温度值"},
    {"Label4", "frame_CVALUE", "℃"},
    {"cmdON_OFF", "frame_CVALUE", "Collect"},
    {"COM_SC", "frame_CVALUE", " Zero"},
    {"cmdReset", "frame_CVALUE", "复位", kHidden},
    {"lblMAX", "frame_CVALUE", "最大值;", kHidden},
    {"txtMAX", "frame_CVALUE", "-999.9", kHidden},
    {"lblMIN", "frame_CVALUE", "最小值:", kHidden},
    {"txtMIN", "frame_CVALUE", "+999.9", kHidden},
    {"frame_DISP", "", "Digital Signal Setting"},
    {"Label21", "frame_DISP", "Unit:"},
    {"cmbUnit", "frame_DISP", ""},
    {"Label12", "frame_DISP", "Decimal Digits:"},
    {"Cmb_DP", "frame_DISP", ""},
    {"cmdSCALE_Read", "frame_DISP", "Read"},
    {"cmdSCALE_Write", "frame_DISP", "Write"},
    {"Label9", "frame_DISP", "Zero:", kHidden},
    {"TXT_DPL", "frame_DISP", "TXT_DPL", kHidden},
    {"Label10", "frame_DISP", "FS:", kHidden},
    {"TXT_DPH", "frame_DISP", "TXT_DPH", kHidden},
    {"chkSame", "", "在线变送器基本信息设置相同", kHidden},
    {"CMD_USER", "", "Save Modified Value"},
    {"CMD_FACT", "", "写入工厂数据区", kHidden | kDisabled},
    {"CMD_LD", "", "Back to Factory Setting"},
    {"frame_IOUT", "", " Analog Output Setting"},
    {"Label1", "frame_IOUT", "4mA Output:"},
    {"TXT_DAL", "frame_IOUT", "DAL", 0, "PressureValue at 4mA Output"},
    {"Label2", "frame_IOUT", "20mA Output"},
    {"TXT_DAH", "frame_IOUT", "DAH", 0, "PressureValue at 20mA Output"},
    {"Label30", "frame_IOUT", "4mA Cal:"},
    {"TXT_DAZF", "frame_IOUT", "DAZF", kReadOnly},
    {"VScroll1", "frame_IOUT", ""},
    {"Label31", "frame_IOUT", "20mA Cal:"},
    {"TXT_DAFF", "frame_IOUT", "DAFF", kReadOnly},
    {"VScroll2", "frame_IOUT", ""},
    {"cmdDA_Read", "frame_IOUT", "Read"},
    {"cmdDA_Write", "frame_IOUT", "Write"},
    {"Frame_Command", "", "Instruction Operation"},
    {"lblIns1", "Frame_Command", "Instruction:"},
    {"txtInsSend", "Frame_Command", "RP0"},
    {"lblIns2", "Frame_Command", "Return:"},
    {"txtReturn", "Frame_Command", ""},
    {"Cmd_INS", "Frame_Command", "Send"},
    {"Timer1", "", "", kDisabled},
};

std::string shownText(const Control &control)
{
    if (const auto *label = dynamic_cast<const Label *>(&control))
        return label->caption();
    if (const auto *box = dynamic_cast<const TextBox *>(&control))
        return box->text();
    if (const auto *list = dynamic_cast<const ComboBox *>(&control))
        return list->text();
    return {};
}

using InitialStateTest = WindowFixture;

TEST_F(InitialStateTest, EveryControlInOrderWithItsFrameTextAndState)
{
    EXPECT_EQ(window.caption(), "Intelligent Transmitter Parameter Setting     Ver 1.35e");
    const auto &controls = window.controls();
    ASSERT_EQ(controls.size(), std::size(kExpected));
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const Expected &expected = kExpected[i];
        const Control &control = *controls[i];
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(control.name(), expected.name);
        EXPECT_EQ(window.parentName(control), expected.parent);
        EXPECT_EQ(shownText(control), expected.text);
        EXPECT_EQ(control.visible(), (expected.flags & kHidden) == 0);
        EXPECT_EQ(control.enabled(), (expected.flags & kDisabled) == 0);
        EXPECT_EQ(control.toolTip(), expected.toolTip);
        const auto *box = dynamic_cast<const TextBox *>(&control);
        EXPECT_EQ(box != nullptr && box->readOnly(), (expected.flags & kReadOnly) != 0);
    }
}

TEST_F(InitialStateTest, ParentsComeBeforeTheirChildren)
{
    std::set<const Control *> seen;
    for (const Control *control : window.controls()) {
        const Control *parent = window.parentOf(*control);
        if (parent != nullptr) {
            EXPECT_TRUE(seen.count(parent) != 0) << control->name();
        }
        seen.insert(control);
        EXPECT_EQ(window.find(control->name()), control);
    }
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
    for (int panel = 1; panel <= StatusBar::kPanels; ++panel)
        EXPECT_EQ(window.StatusBar1.panel(panel), "");
    EXPECT_TRUE(window.OnlineList.empty());
    EXPECT_FALSE(window.PollPressure);
    EXPECT_EQ(window.searchLastAddress(), 99);
    EXPECT_TRUE(port.calls().empty()) << "nothing touches the port before load";
}

} // namespace
} // namespace ortavel::test
