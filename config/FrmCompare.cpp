#include "FrmCompare.h"

#include "cli/Applier.h"
#include "cli/TransmitterReader.h"
#include "controls/MessageBox.h"
#include "mainwin/Ortavel.h"

#include <algorithm>

namespace ortavel {

namespace {
constexpr const char *kCompareTitle = OT_TR("Ortavel", "Compare Configuration");

std::string describeSource(const cli::BackupFile &file, bool same)
{
    if (!file.namesSource())
        return OT_TR("Ortavel",
                     "The file names no transmitter it was taken from: trims and calibration are not offered.");
    // The transmitter's own texts: the same in every language.
    const std::string source =
        file.sourceAddress + " (" + file.sourceType + ", " + file.sourceId + ", " + file.sourceVersion + ")";
    return same ? fill(OT_TR("Ortavel", "The file was taken from this transmitter, %1."), {source})
                : fill(OT_TR("Ortavel", "The file was taken from another transmitter, %1: type and ID are not ticked, "
                                        "trims and calibration are not offered."),
                       {source});
}
} // namespace

FrmCompare::FrmCompare(Ortavel &main, cli::BackupFile file, const std::string &fileName)
    : Form("CompareConfiguration", kCompareTitle), m_main(main), m_bus(main), m_file(std::move(file))
{
    for (Control *control :
         std::initializer_list<Control *>{&lblFile, &lblSource, &chkSave, &cmdWrite, &cmdRead, &lblResult})
        add(*control);
    lblFile.setCaption(fill(OT_TR("Ortavel", "File: %1"), {fileName}));
    cmdWrite.onClick = [this] { cmdWrite_Click(); };
    cmdRead.onClick = [this] { cmdRead_Click(); };
}

void FrmCompare::Form_Load()
{
    m_held = m_main.holdSelected();
    setCaption(m_held.address.empty() ? std::string(kCompareTitle)
                                      : fill(OT_TR("Ortavel", "%1 - %2"), {kCompareTitle, m_held.address}));
    read();
}

std::optional<std::string> FrmCompare::whyRefused() const
{
    if (m_held.address.empty())
        return OT_TR("Ortavel",
                     "No transmitter was selected when this window opened; close it, choose one and open it again.");
    if (!m_main.stillSelected(m_held))
        return fill(OT_TR("Ortavel", "The transmitter %1 is no longer selected in the main window; close this window "
                                     "and open it again."),
                    {m_held.address});
    return std::nullopt;
}

void FrmCompare::read()
{
    if (const auto why = whyRefused()) {
        lblResult.setCaption(fill(OT_TR("Ortavel", "Nothing sent: %1"), {*why}));
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
        lblResult.setCaption(OT_TR("Ortavel", "Nothing written: no row is ticked."));
        return;
    }
    std::string error;
    const auto applier = cli::Applier::make(std::move(cut), calibration, false,
                                            chkSave.checked() ? cli::SaveArea::User : cli::SaveArea::None, error);
    if (!applier) {
        lblResult.setCaption(fill(OT_TR("Ortavel", "Nothing written: %1"), {error}));
        return;
    }
    std::vector<std::string> notes;
    cli::ApplyHooks hooks;
    hooks.notice = [&notes](const std::string &text) { notes.push_back(text); };
    const cli::ApplyResult result = applier->applyTo(m_bus, m_held.address, hooks);
    ConfigurationCompare::markOutcomes(m_rows, result);

    const auto &outcomes = result.report.outcomes;
    const auto save = std::find_if(outcomes.begin(), outcomes.end(), [](const auto &o) { return o.field == "save"; });
    const std::string confirmed = std::to_string(result.report.confirmedCount());
    const std::string failed = std::to_string(result.report.failedCount());
    std::vector<std::string> parts;
    if (!result.error.empty())
        parts.push_back(fill(OT_TR("Ortavel", "Nothing written: %1"), {result.error}));
    else if (result.report.failedCount() > 0)
        parts.push_back(fill(OT_TR("Ortavel", "%1 written and confirmed, %2 not"), {confirmed, failed}));
    else
        parts.push_back(fill(OT_TR("Ortavel", "%1 written and confirmed"), {confirmed}));
    if (save != outcomes.end())
        parts.push_back(save->confirmed ? std::string(OT_TR("Ortavel", "saved to the user area"))
                                        : fill(OT_TR("Ortavel", "not saved: %1"), {save->reason}));
    parts.insert(parts.end(), notes.begin(), notes.end());
    lblResult.setCaption(fill(OT_TR("Ortavel", "%1."), {joinTexts(parts, OT_TR("Ortavel", "; "))}));

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
