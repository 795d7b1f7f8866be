#include "Ortavel.h"

#include "link/LineSettings.h"
#include "text/OperatorText.h"

#include <initializer_list>

namespace ortavel {

// Registration order is the window's reading order: menu, status bar, then
// each frame followed by its controls, window-level controls where they sit.
void Ortavel::registerControls()
{
    addTo(nullptr, Option);
    for (MenuItem *item : {&UserCal, &space1, &About, &space2, &Exit})
        addTo(&Option, *item);
    addTo(nullptr, View);
    for (MenuItem *item : {&mnuTraffic, &mnuTrend, &mnuQuickSearch, &mnuQuickWait, &mnuVerify})
        addTo(&View, *item);
#if ORTAVEL_HISTORY
    addTo(&View, mnuHistory);
#endif
    addTo(&View, mnuLanguage);
    for (MenuItem *item : {&mnuLanguageSpec, &mnuLanguageEnglish, &mnuLanguageChinese, &mnuLanguageSep})
        addTo(&mnuLanguage, *item);
    addTo(&mnuLanguage, mnuReportLanguage);
    for (MenuItem *item : {&mnuReportAsWindow, &mnuReportSpec, &mnuReportEnglish, &mnuReportChinese})
        addTo(&mnuReportLanguage, *item);
    addTo(nullptr, mnuConfiguration);
    for (MenuItem *item : {&mnuSaveConfig, &mnuCompareConfig, &mnuApplyConfig})
        addTo(&mnuConfiguration, *item);

    addTo(nullptr, StatusBar1);

    addTo(nullptr, frame_INFO);
    for (Control *control : std::initializer_list<Control *>{
             &Label18, &cmbCommPort, &LBL_ADDR, &CMB_ADDR, &Label16, &TXT_TYPE, &Label14, &TXT_BAND, &LBL_DPH, &TXT_SCZ,
             &Label15, &TXT_SCF, &TXT_FUNIT, &LBL_VR, &TXT_VER, &LBL_ID, &TXT_ID})
        addTo(&frame_INFO, *control);

    for (Control *control :
         std::initializer_list<Control *>{&cmdSEARCH, &cmdReFresh, &txtPass, &COM_QUIT, &Label19, &Label20})
        addTo(nullptr, *control);

    addTo(nullptr, frame_ADBD);
    for (Control *control : std::initializer_list<Control *>{&Label7, &TXT_ADDR, &Label8, &CMB_BAND, &Label22, &txtType,
                                                             &Label11, &txtID, &COM_ADDR})
        addTo(&frame_ADBD, *control);

    addTo(nullptr, frame_CVALUE);
    for (Control *control :
         std::initializer_list<Control *>{&Label5, &TXT_PRESSURE, &Label3, &lblTEMP, &TXT_TEMPERATURE, &Label4,
                                          &cmdON_OFF, &COM_SC, &cmdReset, &lblMAX, &txtMAX, &lblMIN, &txtMIN})
        addTo(&frame_CVALUE, *control);

    addTo(nullptr, frame_DISP);
    for (Control *control : std::initializer_list<Control *>{&Label21, &cmbUnit, &Label12, &Cmb_DP, &cmdSCALE_Read,
                                                             &cmdSCALE_Write, &Label9, &TXT_DPL, &Label10, &TXT_DPH})
        addTo(&frame_DISP, *control);

    for (Control *control : std::initializer_list<Control *>{&chkSame, &CMD_USER, &CMD_FACT, &CMD_LD})
        addTo(nullptr, *control);

    addTo(nullptr, frame_IOUT);
    for (Control *control :
         std::initializer_list<Control *>{&Label1, &TXT_DAL, &Label2, &TXT_DAH, &Label30, &TXT_DAZF, &VScroll1,
                                          &Label31, &TXT_DAFF, &VScroll2, &cmdDA_Read, &cmdDA_Write})
        addTo(&frame_IOUT, *control);

    addTo(nullptr, Frame_Command);
    for (Control *control : std::initializer_list<Control *>{&lblIns1, &txtInsSend, &lblIns2, &txtReturn, &Cmd_INS})
        addTo(&Frame_Command, *control);

    addTo(nullptr, Timer1);
    addTo(nullptr, tmrHistory);
}

void Ortavel::setInitialState()
{
    for (int port = 1; port <= 6; ++port)
        cmbCommPort.addItem("com" + std::to_string(port), port);
    // Picking the port shown opens it again; picking the address shown reads again.
    cmbCommPort.setRepickRunsClick(true);
    CMB_ADDR.setRepickRunsClick(true);
    CMB_ADDR.setPrompt(kAddressPrompt);
    for (int band = 0; band < 4; ++band)
        CMB_BAND.addItem(std::to_string(kBaudRates.at(static_cast<std::size_t>(band))), band);
    int code = 0;
    // The unit symbols read alike in every language; the last entry is a word.
    for (const char *unit : {"kPa", "Mpa", "mH2O", "Bar", "psi", "mBar", OT_TR("Ortavel", "unknow")})
        cmbUnit.addItem(unit, code++);
    code = 0;
    for (const char *pattern : {"0000.", "000.0", "00.00", "0.000", ".0000"})
        Cmb_DP.addItem(pattern, code++);

    for (TextBox *box : {&TXT_TYPE, &TXT_BAND, &TXT_SCZ, &TXT_SCF, &TXT_FUNIT, &TXT_VER, &TXT_ID, &TXT_PRESSURE,
                         &TXT_TEMPERATURE, &TXT_DAZF, &TXT_DAFF})
        box->setReadOnly(true);

    TXT_ADDR.setToolTip(OT_TR("Ortavel", "Input Address"));
    TXT_PRESSURE.setToolTip(OT_TR("Ortavel", "Current Measuring Value"));
    TXT_TEMPERATURE.setToolTip(OT_TR("Ortavel", "当前温度值"));
    TXT_DAL.setToolTip(OT_TR("Ortavel", "PressureValue at 4mA Output"));
    TXT_DAH.setToolTip(OT_TR("Ortavel", "PressureValue at 20mA Output"));

    for (Control *control :
         std::initializer_list<Control *>{&Label19, &Label20, &cmdReset, &lblMAX, &txtMAX, &lblMIN, &txtMIN, &Label9,
                                          &TXT_DPL, &Label10, &TXT_DPH, &chkSame, &CMD_FACT})
        control->setVisible(false);
    CMD_FACT.setEnabled(false);

    // The 20 mA bar pages in bigger steps than the 4 mA one.
    VScroll2.setSteps(1, 5);

    for (Control *control : valueControls())
        control->setSelectionCount(&m_selection);
}

// Every control whose value is the selected transmitter's, read or typed
// for it.
std::vector<Control *> Ortavel::valueControls()
{
    return {&TXT_TYPE, &TXT_BAND, &TXT_SCZ,  &TXT_SCF, &TXT_FUNIT,    &TXT_VER,         &TXT_ID,
            &TXT_ADDR, &CMB_BAND, &txtType,  &txtID,   &TXT_PRESSURE, &TXT_TEMPERATURE, &txtMAX,
            &txtMIN,   &cmbUnit,  &Cmb_DP,   &TXT_DPL, &TXT_DPH,      &TXT_DAL,         &TXT_DAH,
            &TXT_DAZF, &TXT_DAFF, &VScroll1, &VScroll2};
}

} // namespace ortavel
