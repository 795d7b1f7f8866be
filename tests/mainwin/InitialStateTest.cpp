#include "WindowFixture.h"

namespace ortavel::test {
namespace {

// Registration order with each frame's or menu's children in brackets.
const char *const kLayout =
    "Option[UserCal space1 About space2 Exit] View[mnuTraffic mnuTrend mnuQuickSearch mnuQuickWait mnuVerify] "
    "StatusBar1 "
    "frame_INFO[Label18 cmbCommPort LBL_ADDR CMB_ADDR Label16 TXT_TYPE Label14 TXT_BAND LBL_DPH TXT_SCZ Label15 "
    "TXT_SCF TXT_FUNIT LBL_VR TXT_VER LBL_ID TXT_ID] cmdSEARCH cmdReFresh txtPass COM_QUIT Label19 Label20 "
    "frame_ADBD[Label7 TXT_ADDR Label8 CMB_BAND Label22 txtType Label11 txtID COM_ADDR] "
    "frame_CVALUE[Label5 TXT_PRESSURE Label3 lblTEMP TXT_TEMPERATURE Label4 cmdON_OFF COM_SC cmdReset lblMAX txtMAX "
    "lblMIN txtMIN] frame_DISP[Label21 cmbUnit Label12 Cmb_DP cmdSCALE_Read cmdSCALE_Write Label9 TXT_DPL Label10 "
    "TXT_DPH] chkSame CMD_USER CMD_FACT CMD_LD frame_IOUT[Label1 TXT_DAL Label2 TXT_DAH Label30 TXT_DAZF VScroll1 "
    "Label31 TXT_DAFF VScroll2 cmdDA_Read cmdDA_Write] Frame_Command[lblIns1 txtInsSend lblIns2 txtReturn Cmd_INS] "
    "Timer1";

using InitialStateTest = WindowFixture;

TEST_F(InitialStateTest, ControlsInOrderInTheirFrames)
{
    std::string layout;
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
    }
    EXPECT_EQ(layout, kLayout);
}

} // namespace
} // namespace ortavel::test
