#include "FrmCompare.h"

#include "cli/Applier.h"
#include "cli/TransmitterReader.h"
#include "controls/MessageBox.h"
#include "mainwin/Ortavel.h"

#include <algorithm>

namespace ortavel {

namespace {
constexpr const char *kCompareTitle = "Compare Configuration";

std::string describeSource(const cli::BackupFile &file, bool same)
{
    if (!file.namesSource())
        return "The file names no transmitter it was taken from: trims and calibration are not offered.";
    const std::string source =
        file.sourceAddress + " (" + file.sourceType + ", " + file.sourceId + ", " + file.sourceVersion + ")";
    return same ? "The file was taken from this transmitter, " + source + "."
                : "The file was taken from another transmitter, " + source +
                      ": type and ID are not ticked, trims and calibration are not offered.";
}
} // namespace

FrmCompare::FrmCompare(Ortavel &main, cli::BackupFile file, const std::string &fileName)
    : Form("CompareConfiguration", kCompareTitle), m_main(main), m_bus(main), m_file(std::move(file))
{
    for (Control *control :
         std::initializer_list<Control *>{&lblFile, &lblSource, &chkSave, &cmdWrite, &cmdRead, &lblResult})
        add(*control);
    lblFile.setCaption("File: " + fileName);
    cmdWrite.onClick = [this] { cmdWrite_Click(); };
    cmdRead.onClick = [this] { cmdRead_Click(); };
}

void FrmCompare::Form_Load()
{
    m_held = m_main.holdSelected();
    setCaption(m_held.address.empty() ? std::string(kCompareTitle)
                                      : std::string(kCompareTitle) + " - " + m_held.address);
    read();
}

std::optional<std::string> FrmCompare::whyRefused() const
{
    if (m_held.address.empty())
        return "No transmitter was selected when this window opened; close it, choose one and open it again.";
    if (!m_main.stillSelected(m_held))
        return "The transmitter " + m_held.address +
               " is no longer selected in the main window; close this window and open it again.";
    return std::nullopt;
}

void FrmCompare::read()
{
    if (const auto why = whyRefused()) {
        lblResult.setCaption("Nothing sent: " + *why);
        return;
    }
    const cli::TransmitterRecord now = cli::TransmitterReader(m_bus, m_held.address).readAll();
    lblSource.setCaption(describeSource(m_file, ConfigurationCompare::sameTransmitter(m_file, now)));
    m_rows = ConfigurationCompare::reread(m_file, now, m_rows);
    rowsChanged();
}

void FrmCompare::cmdRead_Click()
{
    lblResult.setCaption("");
    read();
}

void FrmCompare::setTicked(int row, bool ticked)
{
    if (row < 0 || row >= static_cast<int>(m_rows.size()))
        return;
    auto &target = m_rows[static_cast<std::size_t>(row)];
    target.ticked = ticked && target.offered;
    rowsChanged();
}

void FrmCompare::cmdWrite_Click()
{
    if (const auto why = whyRefused()) {
        m_main.messageBox().show(*why, kCompareTitle, true);
        return;
    }
    bool calibration = false;
    cli::BackupFile cut = ConfigurationCompare::chosen(m_file, m_rows, calibration);
    if (cut.settings.empty() && !calibration) {
        lblResult.setCaption("Nothing written: no row is ticked.");
        return;
    }
    std::string error;
    const auto applier = cli::Applier::make(std::move(cut), calibration, false,
                                            chkSave.checked() ? cli::SaveArea::User : cli::SaveArea::None, error);
    if (!applier) {
        lblResult.setCaption("Nothing written: " + error);
        return;
    }
    std::vector<std::string> notes;
    cli::ApplyHooks hooks;
    hooks.notice = [&notes](const std::string &text) { notes.push_back(text); };
    const cli::ApplyResult result = applier->applyTo(m_bus, m_held.address, hooks);
    ConfigurationCompare::markOutcomes(m_rows, result);

    const auto &outcomes = result.report.outcomes;
    const auto save = std::find_if(outcomes.begin(), outcomes.end(), [](const auto &o) { return o.field == "save"; });
    std::string text =
        result.error.empty()
            ? std::to_string(result.report.confirmedCount()) + " written and confirmed" +
                  (result.report.failedCount() > 0 ? ", " + std::to_string(result.report.failedCount()) + " not"
                                                   : std::string())
            : "Nothing written: " + result.error;
    if (save != outcomes.end())
        text += save->confirmed ? "; saved to the user area" : "; not saved: " + save->reason;
    for (const auto &note : notes)
        text += "; " + note;
    lblResult.setCaption(text + ".");
    if (!outcomes.empty()) {
        // What the main window shows of this transmitter is no longer its own.
        m_main.forgetValuesShown();
        m_held = m_main.holdSelected();
    }
    read();
}

void FrmCompare::rowsChanged() const
{
    if (onRowsChanged)
        onRowsChanged();
}

} // namespace ortavel
