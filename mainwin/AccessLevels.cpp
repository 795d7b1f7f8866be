#include "AccessLevels.h"

#include "mainwin/Ortavel.h"

#include <cctype>

namespace ortavel {

bool isAccessCode(std::string_view text, std::string_view code)
{
    if (text.size() != code.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != code[i])
            return false;
    }
    return true;
}

AccessLevels::AccessLevels(Ortavel &window) : m_window(window)
{
    m_window.txtPass.onChange = [this] { txtPass_Change(); };
    m_window.onClick = [this] { Form_Click(); };
}

void AccessLevels::txtPass_Change()
{
    Ortavel &w = m_window;
    const std::string &text = w.txtPass.text();
    if (isAccessCode(text, kDisplayCode)) {
        showReadingsAndConsole();
    } else if (isAccessCode(text, kFactoryCode)) {
        showReadingsAndConsole();
        w.CMD_FACT.setEnabled(true);
        w.CMD_FACT.setVisible(true);
        w.chkSame.setVisible(true);
    } else if (isAccessCode(text, kHideCode)) {
        for (Control *control : std::initializer_list<Control *>{&w.lblTEMP, &w.TXT_TEMPERATURE, &w.lblMAX, &w.lblMIN,
                                                                 &w.txtMAX, &w.txtMIN, &w.chkSame})
            control->setVisible(false);
        w.chkSame.setChecked(false);
        w.CMD_FACT.setEnabled(false);
        w.CMD_FACT.setVisible(false);
        for (Control *control :
             std::initializer_list<Control *>{&w.Cmd_INS, &w.txtInsSend, &w.lblIns1, &w.lblIns2, &w.txtReturn})
            control->setEnabled(false);
    }
}

void AccessLevels::showReadingsAndConsole()
{
    Ortavel &w = m_window;
    for (Control *control :
         std::initializer_list<Control *>{&w.lblTEMP, &w.TXT_TEMPERATURE, &w.lblMAX, &w.lblMIN, &w.txtMAX, &w.txtMIN})
        control->setVisible(true);
    for (Control *control :
         std::initializer_list<Control *>{&w.lblIns1, &w.lblIns2, &w.txtReturn, &w.Cmd_INS, &w.txtInsSend})
        control->setEnabled(true);
}

void AccessLevels::Form_Click()
{
    m_window.requestFocus(m_window.txtPass);
    m_window.txtPass.setText("");
}

} // namespace ortavel
