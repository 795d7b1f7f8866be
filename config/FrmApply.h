#pragma once

#include "MainWindowBus.h"
#include "cli/BackupFile.h"
#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/Form.h"
#include "controls/Label.h"
#include "controls/ProgressBar.h"
#include "text/OperatorText.h"

#include <functional>
#include <string>
#include <vector>

namespace ortavel {

class Ortavel;

// One transmitter of the online list in the Apply window.
struct ApplyTarget {
    enum class State { Waiting, Confirmed, Failed, Skipped };

    std::string address;
    int band = 0; // its CMB_BAND entry
    std::string baud;
    bool ticked = true;
    State state = State::Waiting;
    std::string result; // the first reason of a failure, or what was done
};

// The Apply window: a configuration file written to the transmitters of the
// online list the operator ticks (all by default), one after another, with
// the rules and the code of `ortavel-cli apply`. Cancel ends the run after
// the write under way; the transmitters not reached are skipped.
class FrmApply : public Form {
public:
    FrmApply(Ortavel &main, cli::BackupFile file, const std::string &fileName);

    Label lblFile{"lblFile", ""};
    CheckBox chkCalibration{"chkCalibration",
                            OT_TR("Ortavel", "Calibration table too (to the file's own transmitter only)")};
    CheckBox chkSave{"chkSave", OT_TR("Ortavel", "Save to the user area afterwards")};
    Button cmdApply{"cmdApply", OT_TR("Ortavel", "Apply")};
    Button cmdCancel{"cmdCancel", OT_TR("Ortavel", "Cancel")};
    ProgressBar prgApply{"prgApply"};
    Label lblCurrent{"lblCurrent", ""};
    Label lblResult{"lblResult", ""};

    void cmdApply_Click();
    void cmdCancel_Click();
    // False while a run is under way.
    bool Form_QueryUnload() const;

    const std::vector<ApplyTarget> &targets() const { return m_targets; }
    void setTicked(int row, bool ticked);
    bool running() const { return m_running; }
    static std::string stateText(ApplyTarget::State state);

    // The view's side.
    std::function<void()> onRowsChanged;

private:
    void run();
    void rowsChanged() const;

    Ortavel &m_main;
    MainWindowBus m_bus;
    cli::BackupFile m_file;
    std::vector<ApplyTarget> m_targets;
    bool m_running = false;
    bool m_cancel = false;
};

} // namespace ortavel
