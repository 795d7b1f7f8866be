#pragma once

#include "Certificate.h"
#include "ReportNumbers.h"
#include "RunDetail.h"
#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/ComboBox.h"
#include "controls/Form.h"
#include "controls/Label.h"
#include "controls/SaveFile.h"
#include "controls/TextBox.h"
#include "controls/Timer.h"
#include "mainwin/HeldTransmitter.h"
#include "text/OperatorText.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ortavel {

class Ortavel;

// The Verification window: a plan, then a run point by point against the
// reference the operator reads off, its verdict and hysteresis, and the
// certificate as PDF and CSV. It only reads, through the main window's
// Comm_Send, from the transmitter selected when it opened, one sample per
// timer tick so the main window stays responsive. The as-found run is kept
// until the window closes; the next run is the as-left run. A finished run
// goes into the history once it is final: when the as-left run starts after
// it, or when the window closes, with the files saved while it was shown.
class FrmVerify : public Form {
public:
    static constexpr int kSampleMs = 1;
    static constexpr int kDwellTickMs = 1000;
    static constexpr int kDefaultDwellSeconds = 30;

    explicit FrmVerify(Ortavel &main);
    // The main window it works through, and whose choices it follows.
    Ortavel &mainWindow() const { return m_main; }

    Label lblPoints{"lblPoints", OT_TR("Ortavel", "Points (% of range):")};
    TextBox txtPoints{"txtPoints", "0,25,50,75,100"};
    CheckBox chkUpDown{"chkUpDown", OT_TR("Ortavel", "And back down (hysteresis)")};
    Label lblTolerance{"lblTolerance", OT_TR("Ortavel", "Tolerance (% of span):")};
    TextBox txtTolerance{"txtTolerance", "0.25"};
    Label lblSamples{"lblSamples", OT_TR("Ortavel", "Samples per point:")};
    TextBox txtSamples{"txtSamples", "5"};
    Label lblRange{"lblRange", OT_TR("Ortavel", "Range if DL, DH cannot be read:")};
    TextBox txtRangeLow{"txtRangeLow", ""};
    TextBox txtRangeHigh{"txtRangeHigh", ""};
    Label lblOperator{"lblOperator", OT_TR("Ortavel", "Operator:")};
    TextBox txtOperator{"txtOperator", ""};
    Label lblInstrument{"lblInstrument", OT_TR("Ortavel", "Reference instrument:")};
    TextBox txtInstrument{"txtInstrument", ""};
    Label lblSerial{"lblSerial", OT_TR("Ortavel", "Its serial number:")};
    TextBox txtSerial{"txtSerial", ""};
    Label lblCertificate{"lblCertificate", OT_TR("Ortavel", "Its certificate:")};
    TextBox txtCertificate{"txtCertificate", ""};
    Label lblDue{"lblDue", OT_TR("Ortavel", "Due (YYYY-MM-DD):")};
    TextBox txtDue{"txtDue", ""};
    Label lblUncertainty{"lblUncertainty", OT_TR("Ortavel", "Its uncertainty (U, k):")};
    TextBox txtUncertainty{"txtUncertainty", ""};
    Label lblDecision{"lblDecision", OT_TR("Ortavel", "Decision rule:")};
    ComboBox cmbDecision{"cmbDecision"};
    Label lblOrganisation{"lblOrganisation", OT_TR("Ortavel", "Organisation:")};
    TextBox txtOrganisation{"txtOrganisation", ""};
    Label lblAddress{"lblAddress", OT_TR("Ortavel", "Its address:")};
    TextBox txtAddress{"txtAddress", ""};
    Label lblPrefix{"lblPrefix", OT_TR("Ortavel", "Report number prefix:")};
    TextBox txtPrefix{"txtPrefix", ""};
    Label lblPlace{"lblPlace", OT_TR("Ortavel", "Place of the work:")};
    TextBox txtPlace{"txtPlace", ""};
    Label lblCustomer{"lblCustomer", OT_TR("Ortavel", "Customer or owner:")};
    TextBox txtCustomer{"txtCustomer", ""};
    Label lblTag{"lblTag", OT_TR("Ortavel", "Tag:")};
    TextBox txtTag{"txtTag", ""};
    Label lblLocation{"lblLocation", OT_TR("Ortavel", "Location:")};
    TextBox txtLocation{"txtLocation", ""};
    Label lblAmbient{"lblAmbient", OT_TR("Ortavel", "Ambient (°C, %RH, hPa):")};
    TextBox txtAmbient{"txtAmbient", ""};
    Label lblDepartures{"lblDepartures", OT_TR("Ortavel", "Departures from the method:")};
    TextBox txtDepartures{"txtDepartures", ""};
    Label lblNote{"lblNote", OT_TR("Ortavel", "Note:")};
    TextBox txtNote{"txtNote", ""};
    CheckBox chkAsLeftOnly{"chkAsLeftOnly", OT_TR("Ortavel", "As left only (new installation)")};
    Button cmdStart{"cmdStart", OT_TR("Ortavel", "Start as found")};
    Label lblPoint{"lblPoint", ""};
    Label lblReference{"lblReference", OT_TR("Ortavel", "Reference:")};
    TextBox txtReference{"txtReference", ""};
    Label lblCurrent{"lblCurrent", "mA:"};
    TextBox txtCurrent{"txtCurrent", ""};
    Button cmdTake{"cmdTake", OT_TR("Ortavel", "Take reading")};
    Button cmdRepeat{"cmdRepeat", OT_TR("Ortavel", "Repeat point")};
    Button cmdSkip{"cmdSkip", OT_TR("Ortavel", "Skip")};
    Label lblProgress{"lblProgress", ""};
    Label lblVerdict{"lblVerdict", ""};
    Label lblHysteresis{"lblHysteresis", ""};
    Label lblAsFound{"lblAsFound", ""};
    Label lblReport{"lblReport", ""};
    Button cmdSavePdf{"cmdSavePdf", OT_TR("Ortavel", "Save certificate...")};
    Button cmdSaveCsv{"cmdSaveCsv", OT_TR("Ortavel", "Save CSV...")};
    Timer tmrSample{"tmrSample", kSampleMs};
    Label lblProcedure{"lblProcedure", OT_TR("Ortavel", "Procedure:")};
    ComboBox cmbProcedure{"cmbProcedure"};
    Label lblDwell{"lblDwell", OT_TR("Ortavel", "Dwell before each reading (s):")};
    TextBox txtDwell{"txtDwell", ""};
    Timer tmrDwell{"tmrDwell", kDwellTickMs};

    void cmdStart_Click();
    void cmdTake_Click();
    void cmdRepeat_Click();
    void cmdSkip_Click();
    void tmrSample_Timer();
    void cmdSavePdf_Click();
    void cmdSaveCsv_Click();
    void cmbProcedure_Click();
    void tmrDwell_Timer();

    // The run on show (as left once started, else as found); nullptr before
    // the first start.
    const verify::Run *run() const;
    const std::optional<verify::Run> &asFound() const { return m_asFound; }
    // The table's rows: a point not yet taken shows its nominal and
    // reference only.
    std::vector<verify::SheetLine> rows() const;
    verify::Certificate certificate() const;
    bool taking() const { return m_taking >= 0; }
    // Counting down before a reading; Take reads at once, recorded as taken early.
    bool dwelling() const { return m_dwelling >= 0; }

    // The view's side.
    std::function<void()> onRowsChanged;
    ChooseSaveFile chooseSaveFile;
    std::function<bool(const std::string &path, const verify::Certificate &certificate)> writePdf;
    // The SHA-256 of a file, in hex; nullopt when it cannot be read.
    std::function<std::optional<std::string>(const std::string &path)> fileSha256;
    // Where report numbers of a prefix come from; the local counter in the
    // settings when not set.
    std::function<std::unique_ptr<verify::ReportNumbers>(const std::string &prefix)> openReportNumbers;

private:
    verify::Run *activeRun();
    bool ownTransmitterSelected() const;
    std::optional<verify::Plan> planFromBoxes();
    std::optional<verify::Range> typedRange() const;
    void finishPoint();
    void startSampling(int step, bool early);
    std::string stepPrompt(const verify::Run &run) const;
    void showState();
    void tell(const std::string &text);
    // Notes a file written for the runs on show.
    void noteFile(const std::string &path);
    void recordFinishedRuns();
    // The number of the report on show, taken when it is first saved.
    bool numberReport();
    void rememberReportFields();

    Ortavel &m_main;
    HeldTransmitter m_held;
    std::optional<verify::Run> m_asFound;
    std::optional<verify::Run> m_asLeft;
    int m_taking = -1;            // the step being sampled
    std::string m_shownReference; // what the reference box was given: the nominal
    std::string m_reportNumber;
    std::string m_issued;
    int m_samplesLeft = 0;
    int m_dwelling = -1; // the step whose dwell runs
    int m_dwellLeftSeconds = 0;
    // What the history gets of each run: its files, and whether it has it.
    struct RunRecord {
        std::vector<verify::FileDigest> files;
        bool recorded = false;
    };
    RunRecord m_asFoundRecord;
    RunRecord m_asLeftRecord;
};

} // namespace ortavel
