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
        if (assign(m_checked, checked) && onClick)
            onClick();
    }

private:
    bool m_checked = false;
};

} // namespace ortavel
