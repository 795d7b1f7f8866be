#pragma once

#include "WidgetBinder.h"

class QCheckBox;

namespace ortavel {

class CheckBox;

// A check box; the operator's tick goes to the model, which runs its handler.
class CheckBoxBinder : public WidgetBinder {
public:
    CheckBoxBinder(CheckBox &checkBox, QCheckBox *widget, FocusGuard *guard);

protected:
    void updateWidget() override;
    std::string caption() const override;

private:
    CheckBox &m_checkBox;
    QCheckBox *m_widget;
};

} // namespace ortavel
