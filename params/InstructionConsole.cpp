#include "InstructionConsole.h"

#include "mainwin/Ortavel.h"

namespace ortavel {

InstructionConsole::InstructionConsole(Ortavel &window) : m_window(window)
{
    m_window.Cmd_INS.onClick = [this] { Cmd_INS_Click(); };
}

void InstructionConsole::Cmd_INS_Click()
{
    m_window.txtReturn.setText("");
    m_window.txtReturn.setText(m_window.Comm_Send(m_window.CMB_ADDR.text(), m_window.txtInsSend.text()));
}

} // namespace ortavel
