#include "OutputSettings.h"

#include "link/Commands.h"
#include "link/Numbers.h"
#include "mainwin/Ortavel.h"

namespace ortavel {

OutputSettings::OutputSettings(Ortavel &window) : m_window(window)
{
    m_window.VScroll1.onChange = [this] { VScroll1_Change(); };
    m_window.VScroll2.onChange = [this] { VScroll2_Change(); };
}

void OutputSettings::VScroll1_Change()
{
    writeTrim(m_window.VScroll1, m_window.TXT_DAZF, cmd::Trim4mA);
}

void OutputSettings::VScroll2_Change()
{
    writeTrim(m_window.VScroll2, m_window.TXT_DAFF, cmd::Trim20mA);
}

void OutputSettings::writeTrim(const ScrollBar &bar, TextBox &box, std::string_view letters)
{
    box.setText(trimValueText(bar.value()));
    const std::string result = m_window.Comm_Send(m_window.CMB_ADDR.text(), cmd::write(letters, box.text()));
    // An error text must not stand in the box: a later Write would send it.
    // The trim just sent stays instead.
    if (isErrorResult(result))
        return;
    box.setText(result.size() >= 5 ? replyData(result) : result);
}

} // namespace ortavel
