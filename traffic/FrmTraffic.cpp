#include "FrmTraffic.h"

#include "TrafficLine.h"
#include "controls/MessageBox.h"

#include <algorithm>

namespace ortavel {

FrmTraffic::FrmTraffic(TrafficRecorder &recorder, MessageBox &messages)
    : Form("Traffic", OT_TR("Ortavel", "Traffic")), m_recorder(recorder), m_messages(messages),
      m_next(recorder.firstSequence())
{
    for (Control *control : std::initializer_list<Control *>{&lblAddress, &cmbAddress, &chkPause, &cmdClear, &cmdSave,
                                                             &lblCount, &tmrRefresh})
        add(*control);
    cmbAddress.addItem(kAllAddresses, 0);
    cmbAddress.setSelectedIndex(0);
    cmbAddress.onClick = [this] { cmbAddress_Click(); };
    cmdClear.onClick = [this] { cmdClear_Click(); };
    cmdSave.onClick = [this] { cmdSave_Click(); };
    chkPause.onClick = [this] {
        if (!chkPause.checked())
            tmrRefresh_Timer();
    };
    tmrRefresh.onTimer = [this] { tmrRefresh_Timer(); };
    takeNewRecords();
    tmrRefresh.setEnabled(true);
}

std::string FrmTraffic::filter() const
{
    return cmbAddress.selectedIndex() <= 0 ? std::string() : cmbAddress.text();
}

const ExchangeRecord *FrmTraffic::row(int index) const
{
    if (index < 0 || index >= rowCount())
        return nullptr;
    const std::uint64_t sequence = m_rows[static_cast<std::size_t>(index)];
    return sequence < m_recorder.firstSequence() || sequence >= m_recorder.endSequence() ? nullptr
                                                                                         : &m_recorder.at(sequence);
}

void FrmTraffic::tmrRefresh_Timer()
{
    if (chkPause.checked())
        return;
    // What the ring overwrote leaves at the front.
    const auto gone = std::lower_bound(m_rows.begin(), m_rows.end(), m_recorder.firstSequence()) - m_rows.begin();
    if (gone > 0) {
        m_rows.erase(m_rows.begin(), m_rows.begin() + gone);
        if (onRowsRemoved)
            onRowsRemoved(static_cast<int>(gone));
    }
    takeNewRecords();
}

void FrmTraffic::takeNewRecords()
{
    // Records cleared or overwritten before they were taken count no more.
    m_next = std::max(m_next, m_recorder.firstSequence());
    if (m_next >= m_recorder.endSequence())
        return;
    const int first = rowCount();
    const std::string address = filter();
    for (; m_next < m_recorder.endSequence(); ++m_next) {
        const ExchangeRecord &record = m_recorder.at(m_next);
        m_tally.add(record);
        noteAddress(record.address);
        if (address.empty() || record.address == address)
            m_rows.push_back(m_next);
    }
    m_statistics = m_tally.rows();
    if (rowCount() > first && onRowsAppended)
        onRowsAppended(first, rowCount() - first);
    if (onStatisticsChanged)
        onStatisticsChanged();
    showCount();
}

void FrmTraffic::noteAddress(const std::string &address)
{
    for (const auto &entry : cmbAddress.entries()) {
        if (entry.text == address)
            return;
    }
    cmbAddress.addItem(address, cmbAddress.count());
}

void FrmTraffic::rebuildRows()
{
    m_rows.clear();
    const std::string address = filter();
    for (std::uint64_t s = m_recorder.firstSequence(); s < m_next; ++s) {
        if (address.empty() || m_recorder.at(s).address == address)
            m_rows.push_back(s);
    }
    if (onRowsReset)
        onRowsReset();
    showCount();
}

void FrmTraffic::showCount()
{
    lblCount.setCaption(fill(OT_TR("Ortavel", "%1 of %2 exchanges recorded"),
                             {std::to_string(m_rows.size()), std::to_string(m_recorder.size())}));
}

void FrmTraffic::cmbAddress_Click()
{
    rebuildRows();
}

void FrmTraffic::cmdClear_Click()
{
    m_recorder.clear();
    m_next = m_recorder.endSequence();
    m_tally.clear();
    m_statistics.clear();
    rebuildRows();
    if (onStatisticsChanged)
        onStatisticsChanged();
}

bool FrmTraffic::saveCsv(const std::string &path) const
{
    return writeFile(path, [this](std::ostream &out) {
        out << kTrafficHeader << '\n';
        for (int i = 0; i < rowCount(); ++i) {
            if (const ExchangeRecord *record = row(i))
                out << trafficLine(*record) << '\n';
        }
    });
}

void FrmTraffic::cmdSave_Click()
{
    saveToChosenFile(chooseSaveFile, "traffic.csv", OT_TR("Ortavel", "Traffic"), m_messages,
                     [this](const std::string &path) { return saveCsv(path); });
}

} // namespace ortavel
