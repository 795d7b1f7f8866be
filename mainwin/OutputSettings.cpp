#include "OutputSettings.h"

#include "link/Commands.h"
#include "link/Numbers.h"
#include "mainwin/Answers.h"
#include "mainwin/Ortavel.h"
#include "text/OperatorText.h"

namespace ortavel {

namespace {
// Transmitters from this version on take the pressures as typed.
constexpr double kVersionTakingTypedPressures = 2.0;
constexpr const char *kVersionNotRead = OT_TR("Ortavel", "The version was not read: OL and OH go out as typed");
} // namespace

OutputSettings::OutputSettings(Ortavel &window) : m_window(window)
{
    m_window.VScroll1.onChange = [this] { VScroll1_Change(); };
    m_window.VScroll2.onChange = [this] { VScroll2_Change(); };
    m_window.cmdDA_Read.onClick = [this] { cmdDA_Read_Click(); };
    m_window.cmdDA_Write.onClick = [this] { cmdDA_Write_Click(); };
    m_window.TXT_DAL.onValidate = [this] { return TXT_DAL_Validate(); };
    m_window.TXT_DAZF.onChange = [this] { holdBarWithBox(m_window.VScroll1, m_window.TXT_DAZF); };
    m_window.TXT_DAFF.onChange = [this] { holdBarWithBox(m_window.VScroll2, m_window.TXT_DAFF); };
    m_window.TXT_DAH.onValidate = [this] { return TXT_DAH_Validate(); };
}

std::array<std::pair<std::string_view, TextBox *>, 4> OutputSettings::rows() const
{
    Ortavel &w = m_window;
    return {{{cmd::Output4mA, &w.TXT_DAL},
             {cmd::Output20mA, &w.TXT_DAH},
             {cmd::Trim4mA, &w.TXT_DAZF},
             {cmd::Trim20mA, &w.TXT_DAFF}}};
}

// The bars stay where they are: only the full read moves them.
void OutputSettings::cmdDA_Read_Click()
{
    Ortavel &w = m_window;
    OperationReport report(w.StatusBar1);
    if (w.refuses(report))
        return;
    for (auto [letters, box] : rows())
        report.check(takeAnswer(*box, w.ask(letters)), letters);
}

void OutputSettings::cmdDA_Write_Click()
{
    Ortavel &w = m_window;
    OperationReport report(w.StatusBar1);
    if (w.refuses(report))
        return;
    for (auto [letters, box] : rows())
        w.writeBox(letters, *box, ValueKind::Number, report);
}

void OutputSettings::VScroll1_Change()
{
    writeTrim(m_window.VScroll1, m_window.TXT_DAZF, cmd::Trim4mA);
}

void OutputSettings::VScroll2_Change()
{
    writeTrim(m_window.VScroll2, m_window.TXT_DAFF, cmd::Trim20mA);
}

// A bar that was not read from the transmitter now shown (nor stepped from
// such a position) writes nothing and goes back to where it stood.
void OutputSettings::writeTrim(ScrollBar &bar, TextBox &box, std::string_view letters)
{
    const std::string value = trimValueText(bar.value());
    // During a search's pause or a window's run the line is not this one's.
    if (m_window.refusesWhileLineBusy()) {
        bar.revert();
        holdBarWithBox(bar, box);
        return;
    }
    if (const auto why = whyNotSendable(m_window.hasTransmitter(), bar, value, ValueKind::Number)) {
        bar.revert();
        reportSkip(m_window.StatusBar1, letters, *why);
        return;
    }
    box.setText(value);
    const Reply reply = m_window.ask(cmd::write(letters, value));
    if (!takeEcho(box, reply, value, ValueKind::Number))
        reportUnconfirmed(m_window.StatusBar1, letters, reply);
}

// A bar holds its trim only while its box shows that same trim: once the box
// shows another (read after a restore, typed, refused), a step from the
// bar's old position would write a trim nobody chose.
void OutputSettings::holdBarWithBox(ScrollBar &bar, const TextBox &box)
{
    const auto number = box.holdsValue() ? plainNumber(box.text()) : std::nullopt;
    if (!number || *number != bar.value())
        bar.forgetValue();
}

bool OutputSettings::TXT_DAL_Validate()
{
    formatPressure(m_window.TXT_DAL);
    return false;
}

bool OutputSettings::TXT_DAH_Validate()
{
    formatPressure(m_window.TXT_DAH);
    return false;
}

// Without a version read the pressure stays as typed: a pattern would
// write a value the operator did not type.
void OutputSettings::formatPressure(TextBox &box)
{
    if (!versionRead()) {
        if (box.holdsCurrentValue())
            m_window.StatusBar1.setPanel(1, kVersionNotRead);
        return;
    }
    if (readNumber(m_window.TXT_VER.text()) < kVersionTakingTypedPressures)
        m_window.displaySettings().formatWithDecimals(box);
}

bool OutputSettings::versionRead() const
{
    return m_window.TXT_VER.holdsCurrentValue() && numberAtStart(m_window.TXT_VER.text()).has_value();
}

} // namespace ortavel
