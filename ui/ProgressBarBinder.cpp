#include "ProgressBarBinder.h"

#include "controls/ProgressBar.h"

#include <QProgressBar>

namespace ortavel {

ProgressBarBinder::ProgressBarBinder(ProgressBar &bar, QProgressBar *widget)
    : WidgetBinder(bar, widget, nullptr), m_bar(bar), m_widget(widget)
{
    start();
}

void ProgressBarBinder::updateWidget()
{
    m_widget->setRange(0, m_bar.maximum());
    m_widget->setValue(m_bar.value());
}

} // namespace ortavel
