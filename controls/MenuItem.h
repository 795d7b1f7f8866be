#pragma once

#include "Label.h"

namespace ortavel {

// A menu entry; "&" in the caption marks the access key. An item with the
// caption "-" is a separator.
class MenuItem : public Label {
public:
    using Label::Label;
    bool isSeparator() const { return caption() == "-"; }

    // An item that shows a tick, as one choice of several; none until set.
    bool checkable() const { return m_checkable; }
    bool checked() const { return m_checked; }
    void setChecked(bool checked)
    {
        if (!m_checkable) {
            m_checkable = true;
            m_checked = checked;
            changed();
            return;
        }
        assign(m_checked, checked);
    }

private:
    bool m_checkable = false;
    bool m_checked = false;
};

} // namespace ortavel
