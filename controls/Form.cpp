#include "Form.h"

#include "TextBox.h"

namespace ortavel {

Control *Form::find(const std::string &name) const
{
    for (Control *control : m_controls) {
        if (control->name() == name)
            return control;
    }
    return nullptr;
}

bool Form::requestFocus(Control &target)
{
    if (m_focused == &target)
        return true;
    if (auto *box = dynamic_cast<TextBox *>(m_focused); box != nullptr && !box->validate())
        return false;
    m_focused = &target;
    // Views follow the focus, also when a handler moves it.
    changed();
    return true;
}

} // namespace ortavel
