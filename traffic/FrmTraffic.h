#pragma once

#include "TrafficRecorder.h"
#include "TrafficStatistics.h"
#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/ComboBox.h"
#include "controls/Form.h"
#include "controls/Label.h"
#include "controls/SaveFile.h"
#include "controls/Timer.h"
#include "text/OperatorText.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ortavel {

class MessageBox;

// The Traffic window: the recorded exchanges as rows (a table view shows
// them), the per-address statistics, pause, clear, a filter by address and
// the CSV. The refresh timer takes what the recorder got since the last tick
// and tells the view which rows came and went, so it never resets for an
// append.
class FrmTraffic : public Form {
public:
    static constexpr int kRefreshMs = 100;
    static constexpr const char *kAllAddresses = OT_TR("Ortavel", "All");

    FrmTraffic(TrafficRecorder &recorder, MessageBox &messages);

    Label lblAddress{"lblAddress", OT_TR("Ortavel", "Address:")};
    ComboBox cmbAddress{"cmbAddress"};
    CheckBox chkPause{"chkPause", OT_TR("Ortavel", "Pause")};
    Button cmdClear{"cmdClear", OT_TR("Ortavel", "Clear")};
    Button cmdSave{"cmdSave", OT_TR("Ortavel", "Save CSV...")};
    Label lblCount{"lblCount", ""};
    Timer tmrRefresh{"tmrRefresh", kRefreshMs};

    void tmrRefresh_Timer();
    void cmdClear_Click();
    void cmdSave_Click();
    void cmbAddress_Click();

    // The address the rows are filtered by; empty for all.
    std::string filter() const;
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    // The record of a row; nullptr when the ring has overwritten it while
    // paused.
    const ExchangeRecord *row(int index) const;
    const std::vector<AddressStatistics> &statistics() const { return m_statistics; }
    // Writes the rows shown (the filter applied) as CSV; false when the file
    // cannot be written.
    bool saveCsv(const std::string &path) const;

    // The view's side.
    std::function<void(int count)> onRowsRemoved;             // from the front
    std::function<void(int first, int count)> onRowsAppended; // at the end
    std::function<void()> onRowsReset;
    std::function<void()> onStatisticsChanged;
    // Asks for the file to save to; nullopt when the operator cancels.
    ChooseSaveFile chooseSaveFile;

private:
    void rebuildRows();
    void takeNewRecords();
    void noteAddress(const std::string &address);
    void showCount();

    TrafficRecorder &m_recorder;
    MessageBox &m_messages;
    std::vector<std::uint64_t> m_rows; // sequence numbers, oldest first
    std::uint64_t m_next;              // the first sequence not yet taken
    TrafficStatistics m_tally;
    std::vector<AddressStatistics> m_statistics;
};

} // namespace ortavel
