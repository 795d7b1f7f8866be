#include "FrmApply.h"

#include "cli/Applier.h"
#include "controls/EventPump.h"
#include "controls/MessageBox.h"
#include "link/SerialPort.h"
#include "mainwin/Ortavel.h"

#include <algorithm>

namespace ortavel {

namespace {
constexpr const char *kApplyTitle = OT_TR("Ortavel", "Apply Configuration");
} // namespace

FrmApply::FrmApply(Ortavel &main, cli::BackupFile file, const std::string &fileName)
    : Form("ApplyConfiguration", kApplyTitle), m_main(main), m_bus(main), m_file(std::move(file))
{
    for (Control *control : std::initializer_list<Control *>{&lblFile, &chkCalibration, &chkSave, &cmdApply, &cmdCancel,
                                                             &prgApply, &lblCurrent, &lblResult})
        add(*control);
    lblFile.setCaption(fill(OT_TR("Ortavel", "File: %1"), {fileName}));
    chkCalibration.setEnabled(m_file.hasCalibration);
    cmdCancel.setEnabled(false);
    cmdApply.onClick = [this] { cmdApply_Click(); };
    cmdCancel.onClick = [this] { cmdCancel_Click(); };
    onQueryUnload = [this] { return Form_QueryUnload(); };
    const auto &entries = m_main.CMB_ADDR.entries();
    for (std::size_t i = 0; i < entries.size() && i < m_main.OnlineList.size(); ++i) {
        const int band = m_main.OnlineList[i];
        const bool known = band >= 0 && band < m_main.CMB_BAND.count();
        m_targets.push_back({entries[i].text,
                             band,
                             known ? m_main.CMB_BAND.entries()[static_cast<std::size_t>(band)].text : "?",
                             known,
                             ApplyTarget::State::Waiting,
                             {}});
    }
    prgApply.setProgress(0, static_cast<int>(m_targets.size()));
    if (m_targets.empty())
        lblResult.setCaption(OT_TR("Ortavel", "No transmitter in the online list: search the bus first."));
}

std::string FrmApply::stateText(ApplyTarget::State state)
{
    switch (state) {
    case ApplyTarget::State::Waiting:
        return "";
    case ApplyTarget::State::Confirmed:
        return OT_TR("Ortavel", "confirmed");
    case ApplyTarget::State::Failed:
        return OT_TR("Ortavel", "failed");
    case ApplyTarget::State::Skipped:
        return OT_TR("Ortavel", "skipped");
    }
    return "";
}

void FrmApply::setTicked(int row, bool ticked)
{
    if (m_running || row < 0 || row >= static_cast<int>(m_targets.size()))
        return;
    m_targets[static_cast<std::size_t>(row)].ticked = ticked;
    rowsChanged();
}

bool FrmApply::Form_QueryUnload() const
{
    return !m_running;
}

void FrmApply::cmdCancel_Click()
{
    if (m_running) {
        m_cancel = true;
        lblCurrent.setCaption(fill(OT_TR("Ortavel", "%1 - cancelling after this write"), {lblCurrent.caption()}));
    }
}

void FrmApply::cmdApply_Click()
{
    if (m_running)
        return;
    // A search or another window's run owns the line; a selection is not needed.
    if (const auto why = m_main.whyLineBusy()) {
        m_main.messageBox().show(fill(OT_TR("Ortavel", "Nothing sent: %1"), {*why}), kApplyTitle, true);
        return;
    }
    if (!m_main.MSCommBsq.isOpen()) {
        m_main.messageBox().show(OT_TR("Ortavel", "Nothing sent: the port is not open."), kApplyTitle, true);
        return;
    }
    if (std::none_of(m_targets.begin(), m_targets.end(), [](const ApplyTarget &t) { return t.ticked; })) {
        lblResult.setCaption(OT_TR("Ortavel", "Nothing written: no transmitter is ticked."));
        return;
    }
    run();
}

void FrmApply::run()
{
    std::string error;
    const auto applier = cli::Applier::make(m_file, chkCalibration.checked(), false,
                                            chkSave.checked() ? cli::SaveArea::User : cli::SaveArea::None, error);
    if (!applier) {
        lblResult.setCaption(fill(OT_TR("Ortavel", "Nothing written: %1"), {error}));
        return;
    }
    m_running = true;
    m_cancel = false;
    cmdApply.setEnabled(false);
    cmdCancel.setEnabled(true);
    m_main.beginWindowOperation(OT_TR("Ortavel", "configurations are being applied"));
    // Cancel is heard between exchanges.
    m_bus.setStopCheck([this] {
        m_main.eventPump().processEvents();
        return m_cancel;
    });
    const std::string selected = m_main.selectedAddress();
    bool selectedWritten = false;
    const int total = static_cast<int>(
        std::count_if(m_targets.begin(), m_targets.end(), [](const ApplyTarget &t) { return t.ticked; }));
    int done = 0;
    for (auto &t : m_targets) {
        t.result.clear();
        t.state = ApplyTarget::State::Skipped;
        if (!t.ticked || m_cancel) {
            t.result = t.ticked ? OT_TR("Ortavel", "cancelled before it was reached") : OT_TR("Ortavel", "not ticked");
            continue;
        }
        ++done;
        lblCurrent.setCaption(fill(OT_TR("Ortavel", "Writing to %1 (%2 of %3)"),
                                   {t.address, std::to_string(done), std::to_string(total)}));
        prgApply.setProgress(done - 1, total);
        rowsChanged();
        if (t.band < 0 || t.band >= m_main.CMB_BAND.count()) {
            t.state = ApplyTarget::State::Failed;
            t.result = OT_TR("Ortavel", "its rate is not known");
            continue;
        }
        m_main.changeBaud(t.band);
        const cli::ApplyResult result = applier->applyTo(m_bus, t.address, {});
        selectedWritten = selectedWritten || (t.address == selected && !result.report.outcomes.empty());
        if (result.confirmed()) {
            t.state = ApplyTarget::State::Confirmed;
            t.result = fill(OT_TR("Ortavel", "%1 writes confirmed"), {std::to_string(result.report.confirmedCount())});
            if (!result.withheld.empty())
                t.result = joinTexts(
                    {t.result, OT_TR("Ortavel", "trims and calibration not written: not the file's own transmitter")},
                    OT_TR("Ortavel", "; "));
        } else {
            t.state = ApplyTarget::State::Failed;
            t.result = m_cancel ? fill(OT_TR("Ortavel", "cancelled after %1 writes confirmed"),
                                       {std::to_string(result.report.confirmedCount())})
                                : result.firstFailure();
        }
    }
    m_bus.setStopCheck({});
    prgApply.setProgress(total, total);
    m_main.endWindowOperation();
    // The line goes back to the rate of the transmitter selected.
    if (m_main.hasTransmitter()) {
        const int selectedIndex = m_main.CMB_ADDR.selectedIndex();
        m_main.changeBaud(m_main.OnlineList.at(static_cast<std::size_t>(selectedIndex)));
    }
    if (selectedWritten)
        m_main.forgetValuesShown();
    const auto count = [this](ApplyTarget::State state) {
        return std::to_string(std::count_if(m_targets.begin(), m_targets.end(),
                                            [state](const ApplyTarget &t) { return t.state == state; }));
    };
    lblCurrent.setCaption(m_cancel ? OT_TR("Ortavel", "Cancelled.") : OT_TR("Ortavel", "Done."));
    lblResult.setCaption(fill(
        OT_TR("Ortavel", "%1 confirmed, %2 failed, %3 skipped."),
        {count(ApplyTarget::State::Confirmed), count(ApplyTarget::State::Failed), count(ApplyTarget::State::Skipped)}));

    m_running = false;
    cmdApply.setEnabled(true);
    cmdCancel.setEnabled(false);
    rowsChanged();
}

void FrmApply::rowsChanged() const
{
    if (onRowsChanged)
        onRowsChanged();
}

} // namespace ortavel
