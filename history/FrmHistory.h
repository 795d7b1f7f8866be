#pragma once

#include "HistoryQueries.h"
#include "HistoryRecorder.h"
#include "controls/Button.h"
#include "controls/ComboBox.h"
#include "controls/Form.h"
#include "controls/Label.h"
#include "controls/SaveFile.h"
#include "controls/TextBox.h"
#include "text/OperatorText.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ortavel {

class MessageBox;
class SettingsStore;

// The History window: the transmitters the instrument history knows, and
// for the one chosen its changes (filtered by parameter and date), two of
// its snapshots side by side, its verification runs with the error of each
// point over time, and its verification interval; the transmitters due for
// verification; the changes shown as CSV. It only reads the store (the
// interval set here is recorded like any other entry), and a store that
// cannot be read leaves the tables empty with the reason shown.
class FrmHistory : public Form {
public:
    static constexpr const char *kAll = OT_TR("Ortavel", "All");
    static constexpr int kDefaultDueDays = 30;
    static constexpr int kMaxIntervalMonths = 120;
    static constexpr int kMaxDueDays = 3650;

    // `connect` makes the store readable (opening it again after a
    // failure); false leaves the reason in the store's errorString().
    FrmHistory(HistoryStore &store, std::function<bool()> connect, HistoryRecorder &recorder, SettingsStore &settings,
               MessageBox &messages, std::function<TimeStamp()> now = systemTimeStamp);

    Label lblStatus{"lblStatus", ""};
    Button cmdRefresh{"cmdRefresh", OT_TR("Ortavel", "Refresh")};
    Label lblOperator{"lblOperator", OT_TR("Ortavel", "Operator:")};
    TextBox txtOperator{"txtOperator", ""};
    Label lblTransmitter{"lblTransmitter", OT_TR("Ortavel", "Transmitter (ID):")};
    ComboBox cmbTransmitter{"cmbTransmitter"};
    Label lblInterval{"lblInterval", OT_TR("Ortavel", "Interval (months):")};
    TextBox txtInterval{"txtInterval", ""};
    Button cmdInterval{"cmdInterval", OT_TR("Ortavel", "Set interval")};
    Label lblDueDays{"lblDueDays", OT_TR("Ortavel", "Due within (days):")};
    TextBox txtDueDays{"txtDueDays", std::to_string(kDefaultDueDays)};
    Label lblParameter{"lblParameter", OT_TR("Ortavel", "Parameter:")};
    ComboBox cmbParameter{"cmbParameter"};
    Label lblSince{"lblSince", OT_TR("Ortavel", "Since (YYYY-MM-DD):")};
    TextBox txtSince{"txtSince", ""};
    Button cmdSaveCsv{"cmdSaveCsv", OT_TR("Ortavel", "Save CSV...")};
    Label lblFirst{"lblFirst", OT_TR("Ortavel", "Snapshot:")};
    ComboBox cmbFirst{"cmbFirst"};
    Label lblSecond{"lblSecond", OT_TR("Ortavel", "against:")};
    ComboBox cmbSecond{"cmbSecond"};

    void cmdRefresh_Click();
    void cmbTransmitter_Click();
    void cmdInterval_Click();
    void cmdSaveCsv_Click();
    void txtOperator_Change();

    // What the tables show.
    const std::vector<TransmitterSummary> &transmitters() const { return m_transmitters; }
    const std::vector<TransmitterSummary> &due() const { return m_due; }
    // The chosen transmitter's changes, newest first, filtered.
    const std::vector<HistoryEntry> &changes() const { return m_changes; }
    const std::vector<SnapshotRow> &comparison() const { return m_comparison; }
    // Its verification runs, oldest first, and the drift table over them:
    // a column per nominal, a cell per run (nullopt: not taken there).
    const std::vector<HistoryEntry> &runs() const { return m_runs; }
    const std::vector<double> &driftNominals() const { return m_driftNominals; }
    std::optional<double> driftError(int run, int nominal) const;
    // A time as the window shows it, in the offset it was recorded with.
    static std::string dateText(std::int64_t timeMs, int utcOffsetMinutes);
    // The changes shown as CSV; false when the file cannot be written.
    bool saveCsv(const std::string &path) const;

    // The view's side.
    std::function<void()> onTablesChanged;
    ChooseSaveFile chooseSaveFile;

private:
    const TransmitterSummary *chosen() const;
    void loadChosen();
    void filterChanges();
    void compare();
    void showDue();
    void fail(const std::string &what);
    void unwireLists();
    void wireLists();
    void tablesChanged() const;

    HistoryStore &m_store;
    std::function<bool()> m_connect;
    HistoryRecorder &m_recorder;
    SettingsStore &m_settings;
    MessageBox &m_messages;
    std::function<TimeStamp()> m_now;
    std::vector<TransmitterSummary> m_transmitters;
    std::vector<TransmitterSummary> m_due;
    std::vector<HistoryEntry> m_entries; // every entry of the chosen one, newest first
    std::vector<HistoryEntry> m_changes;
    std::vector<HistoryEntry> m_snapshots; // newest first, as the lists show them
    std::vector<SnapshotRow> m_comparison;
    std::vector<HistoryEntry> m_runs;
    std::vector<double> m_driftNominals;
    std::vector<std::vector<PointError>> m_driftPoints; // per run
};

} // namespace ortavel
