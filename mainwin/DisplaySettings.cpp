#include "DisplaySettings.h"

#include "link/Commands.h"
#include "link/Numbers.h"
#include "mainwin/Answers.h"
#include "mainwin/Ortavel.h"

namespace ortavel {

std::optional<std::string> patternedValueText(std::string_view typed, std::string_view pattern)
{
    // Only a plain number is formatted: an exponent form or "0x1F" would go
    // out as what its start reads as, a value nobody typed. Left as typed,
    // the write refuses it.
    const auto number = plainNumber(typed);
    const auto single = number ? toSingle(*number) : std::nullopt;
    if (!single)
        return std::nullopt;
    return signedSingleText(*single, pattern);
}

DisplaySettings::DisplaySettings(Ortavel &window) : m_window(window)
{
    m_window.cmbUnit.onClick = [this] { cmbUnit_Click(); };
    m_window.cmdSCALE_Read.onClick = [this] { cmdSCALE_Read_Click(); };
    m_window.cmdSCALE_Write.onClick = [this] { cmdSCALE_Write_Click(); };
    m_window.TXT_DPL.onValidate = [this] { return TXT_DPL_Validate(); };
    m_window.TXT_DPH.onValidate = [this] { return TXT_DPH_Validate(); };
}

void DisplaySettings::cmbUnit_Click()
{
    // A list that shows no unit (a failed answer cleared it) has nothing
    // anybody chose to write. It runs inside reads too, so only a skip is
    // told: a good unit leaves the panel to the operation around it.
    const int selected = m_window.cmbUnit.selectedIndex();
    if (selected < 0)
        return;
    // During a search's pause or a window's run the line is not this one's.
    if (m_window.refusesWhileLineBusy())
        return;
    if (const auto why =
            whyNotSendable(m_window.hasTransmitter(), m_window.cmbUnit, codeText(selected), ValueKind::Number)) {
        reportSkip(m_window.StatusBar1, cmd::Unit, *why);
        return;
    }
    const std::string code = codeText(m_window.cmbUnit.itemData(selected));
    const Reply reply = m_window.ask(cmd::write(cmd::Unit, code));
    if (reply.data() != code)
        reportUnconfirmed(m_window.StatusBar1, cmd::Unit, reply);
    if (m_window.cmbUnit.enabled())
        m_window.ReadTransmitterInfo();
}

void DisplaySettings::cmdSCALE_Read_Click()
{
    Ortavel &w = m_window;
    OperationReport report(w.StatusBar1);
    if (w.refuses(report))
        return;
    report.check(selectAnswer(w.cmbUnit, w.ask(cmd::Unit)), cmd::Unit);
    report.check(selectAnswer(w.Cmb_DP, w.ask(cmd::Decimals)), cmd::Decimals);
    report.check(takeAnswer(w.TXT_DPL, w.ask(cmd::DisplayZero)), cmd::DisplayZero);
    report.check(takeAnswer(w.TXT_DPH, w.ask(cmd::DisplayFull)), cmd::DisplayFull);
}

void DisplaySettings::cmdSCALE_Write_Click()
{
    Ortavel &w = m_window;
    OperationReport report(w.StatusBar1);
    if (w.refuses(report))
        return;
    for (auto [letters, list] : {std::pair{cmd::Unit, &w.cmbUnit}, std::pair{cmd::Decimals, &w.Cmb_DP}}) {
        if (const auto selected = w.sendable(*list, letters, report)) {
            const Reply reply = w.ask(cmd::write(letters, codeText(*selected)));
            report.checkEcho(selectEcho(*list, reply, *selected), letters, reply);
        }
    }
    w.writeBox(cmd::DisplayZero, w.TXT_DPL, ValueKind::Number, report);
    w.writeBox(cmd::DisplayFull, w.TXT_DPH, ValueKind::Number, report);
}

bool DisplaySettings::TXT_DPL_Validate()
{
    formatWithDecimals(m_window.TXT_DPL);
    return false;
}

bool DisplaySettings::TXT_DPH_Validate()
{
    formatWithDecimals(m_window.TXT_DPH);
    return false;
}

void DisplaySettings::formatWithDecimals(TextBox &box) const
{
    // The text stays the kind it was: formatting makes no value of a failure,
    // nor the transmitter's now of another's, nor a read value of a typed one
    // (Save Configuration keeps only read values). Decimals not read for this
    // one give no pattern.
    if (!box.holdsCurrentValue())
        return;
    const ComboBox &decimals = m_window.Cmb_DP;
    if (const auto text = patternedValueText(box.text(), decimals.holdsCurrentValue() ? decimals.text() : ""))
        box.reformat(*text);
}

} // namespace ortavel
