#pragma once

#include "controls/Button.h"
#include "controls/ComboBox.h"
#include "controls/ControlArray.h"
#include "controls/Form.h"
#include "controls/Frame.h"
#include "controls/Label.h"
#include "controls/TextBox.h"
#include "mainwin/HeldTransmitter.h"
#include "text/OperatorText.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ortavel {

class Ortavel;

// The user calibration window: the transmitter's table of up to eight
// points, each a calibration (reference) pressure and the pressure the
// transmitter measured, read when the window opens, measured point by point
// and downloaded. Every request goes through the main window's Comm_Send to
// the transmitter the window was opened for, and only while the main window
// still has it selected.
class frmYHJZ : public Form {
public:
    static constexpr const char *kCaption = OT_TR("Ortavel", "QX820/830 Transmitter Calibration");
    static constexpr int kPoints = 8;
    static constexpr const char *kExplanation =
        OT_TR("Ortavel", "     Calibration Steps: Press \"Recalibrate\"\xE2\x86\x92 Select \"Calibration \r\n"
                         "Point Amount\" \xE2\x86\x92 Input calibration pressure and practical pressure \r\n"
                         "correspondingly \xE2\x86\x92 Press \"Save Calibration Data\" \xE2\x86\x92 Finish\r\n"
                         "The practical pressure can be gotten by pressing corresponding keys \r\n"
                         "\"Pressure Point\". When press \"Save Calibration Data\", the standard \r\n"
                         "data will be downloaded and saved in the transmitter.\r\n");
    static constexpr const char *kSaveTitle = OT_TR("Ortavel", "Download Calibration Data");
    static constexpr const char *kSaveDone = OT_TR("Ortavel", "Download Calibration Data finished !");

    explicit frmYHJZ(Ortavel &main);

    // The frame a control lies in; nullptr at window level.
    Control *parentOf(const Control &control) const;

    void Form_Load();
    // The close is never refused.
    void Form_QueryUnload();
    void Form_Click();
    void txtPass_Change();
    void Combo1_Click();
    void cmdReadCAL_Click();
    void CmdReCal_Click();
    void cmdYL_Click(std::int16_t Index);
    void cmdSAVE_Click();
    void cmdSaveFactory_Click();
    void cmdExit_Click();

    // The count read at opening, as decimal text; empty when none was read.
    std::string OldPointCount;
    std::int16_t CalSaved = 0;

    Label Label1{"Label1", OT_TR("Ortavel", "Calibration Points:")};
    ComboBox Combo1{"Combo1", "Combo1"};
    Label Label2{"Label2", OT_TR("Ortavel", "Unit:")};
    Label Label3{"Label3", OT_TR("Ortavel", "Calibration Pressure:")};
    Label Label4{"Label4", OT_TR("Ortavel", "Measuring Pressure:")};
    ControlArray<TextBox, kPoints> txtLLYL{"txtLLYL", [](int) { return ""; }};
    ControlArray<TextBox, kPoints> txtCLYL{"txtCLYL", [](int) { return ""; }};
    ControlArray<Button, kPoints> cmdYL{
        "cmdYL", [](int i) { return fill(OT_TR("Ortavel", "Press.%1"), {std::to_string(i + 1)}); }};
    Button cmdReadCAL{"cmdReadCAL", OT_TR("Ortavel", "Read Cal. Data")};
    Button CmdReCal{"CmdReCal", OT_TR("Ortavel", "Recalibrate")};
    Button cmdSAVE{"cmdSAVE", OT_TR("Ortavel", "Save Cal. Data")};
    Button cmdSaveFactory{"cmdSaveFactory", OT_TR("Ortavel", "Save to Factury")};
    Button cmdExit{"cmdExit", OT_TR("Ortavel", "Exit")};
    TextBox txtPass{"txtPass", ""};
    Frame Frame1{"Frame1", OT_TR("Ortavel", "Calibration Explain")};
    TextBox Text1{"Text1", kExplanation};

private:
    struct Unread {
        bool count = false;
        std::vector<int> points; // numbered from 1, as on the buttons
    };

    std::string ask(const std::string &command);
    // The main window still has the transmitter this window read selected.
    bool ownTransmitterSelected() const;
    // Says why nothing is sent when it no longer has; true then.
    bool refused();
    bool readPointCount();
    void readTable(bool measuredFirst);
    void setRowActive(int row, bool active);
    void reportUnread(const Unread &unread);
    bool saveCalibration();
    // The first `points` rows as the history keeps a table: a JSON array
    // of points, a box without a value as null.
    std::string tableJson(int points) const;
    void recordTableRead();

    Ortavel &m_main;
    // The transmitter the window was opened for: its address, line rate and
    // the main window's selection it belongs to; no address when none was
    // selected.
    HeldTransmitter m_held;
    // The table as last read from or written to the transmitter, as JSON;
    // empty before the first read.
    std::string m_table;
};

} // namespace ortavel
