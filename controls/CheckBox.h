#pragma once

#include "Label.h"

namespace ortavel {

// A check box; onClick (inherited) runs whenever the tick changes.
class CheckBox : public Label {
public:
    using Label::Label;

    bool checked() const { return m_checked; }
    void setChecked(bool checked)
    {
        if (m_checked == checked)
            return;
        m_checked = checked;
        changed();
        if (onClick)
            onClick();
    }

private:
    bool m_checked = false;
};

} // namespace ortavel
