#include "DisplaySettings.h"

#include "link/Commands.h"
#include "link/Numbers.h"
#include "mainwin/Ortavel.h"

namespace ortavel {

DisplaySettings::DisplaySettings(Ortavel &window) : m_window(window)
{
    m_window.cmbUnit.onClick = [this] { cmbUnit_Click(); };
}

void DisplaySettings::cmbUnit_Click()
{
    const int selected = m_window.cmbUnit.selectedIndex();
    const int code = selected < 0 ? -1 : m_window.cmbUnit.itemData(selected);
    m_window.Comm_Send(m_window.CMB_ADDR.text(), cmd::write(cmd::Unit, codeText(code)));
    if (m_window.cmbUnit.enabled())
        m_window.ReadTransmitterInfo();
}

} // namespace ortavel
