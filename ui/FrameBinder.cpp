#include "FrameBinder.h"

#include "QtText.h"
#include "controls/Frame.h"

#include <QGroupBox>

namespace ortavel {

FrameBinder::FrameBinder(Frame &frame, QGroupBox *widget)
    : WidgetBinder(frame, widget, nullptr), m_frame(frame), m_widget(widget)
{
    start();
}

void FrameBinder::updateWidget()
{
    m_widget->setTitle(shown(m_frame.caption()));
}

std::string FrameBinder::caption() const
{
    return m_frame.caption();
}

} // namespace ortavel
