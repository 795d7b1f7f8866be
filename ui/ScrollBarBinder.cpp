#include "ScrollBarBinder.h"

#include "controls/ScrollBar.h"

#include <QScrollBar>
#include <QSignalBlocker>

namespace ortavel {

ScrollBarBinder::ScrollBarBinder(ScrollBar &bar, QScrollBar *widget, FocusGuard *guard)
    : WidgetBinder(bar, widget, guard), m_bar(bar), m_widget(widget)
{
    // Every change may go to a transmitter: not one per pixel of a drag.
    widget->setTracking(false);
    widget->setFocusPolicy(Qt::StrongFocus);
    connect(widget, &QScrollBar::valueChanged, this, [this](int value) {
        if (admit())
            m_bar.setValue(value);
        refresh();
    });
    start();
}

void ScrollBarBinder::updateWidget()
{
    const QSignalBlocker blocker(m_widget);
    m_widget->setRange(m_bar.minimum(), m_bar.maximum());
    m_widget->setSingleStep(m_bar.smallChange());
    m_widget->setPageStep(m_bar.largeChange());
    m_widget->setValue(m_bar.value());
}

} // namespace ortavel
