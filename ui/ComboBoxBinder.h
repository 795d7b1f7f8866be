#pragma once

#include "WidgetBinder.h"

class QComboBox;

namespace ortavel {

class ComboBox;

// A drop-down list. The operator's choice goes to setSelectedIndex and
// typed text (editable lists) to setText; the model runs its handlers.
class ComboBoxBinder : public WidgetBinder {
public:
    ComboBoxBinder(ComboBox &combo, QComboBox *widget, FocusGuard *guard);

protected:
    void updateWidget() override;

private:
    void updateEntries();
    void connectLineEdit();

    ComboBox &m_combo;
    QComboBox *m_widget;
    FocusGuard *m_guard;
};

} // namespace ortavel
