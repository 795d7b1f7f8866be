#pragma once

#include "WidgetBinder.h"

class QScrollBar;

namespace ortavel {

class ScrollBar;

// A vertical scroll bar. A move by the operator goes to setValue, which
// runs the model's change handler; a drag counts once, when it ends.
class ScrollBarBinder : public WidgetBinder {
public:
    ScrollBarBinder(ScrollBar &bar, QScrollBar *widget, FocusGuard *guard);

protected:
    void updateWidget() override;

private:
    ScrollBar &m_bar;
    QScrollBar *m_widget;
};

} // namespace ortavel
