#include "InstructionConsole.h"

#include "link/Commands.h"
#include "mainwin/Ortavel.h"

namespace ortavel {

InstructionConsole::InstructionConsole(Ortavel &window) : m_window(window)
{
    m_window.Cmd_INS.onClick = [this] { Cmd_INS_Click(); };
}

void InstructionConsole::Cmd_INS_Click()
{
    m_window.txtReturn.setText("");
    const std::string result = m_window.sendInstruction(m_window.txtInsSend.text());
    // Shown whole either way; a failure holds no value.
    if (isErrorResult(result))
        m_window.txtReturn.showFailure(result);
    else
        m_window.txtReturn.setText(result);
}

} // namespace ortavel
