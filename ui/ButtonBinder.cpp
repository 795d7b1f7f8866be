#include "ButtonBinder.h"

#include "QtText.h"
#include "controls/Button.h"

#include <QPushButton>

namespace ortavel {

ButtonBinder::ButtonBinder(Button &button, QPushButton *widget, FocusGuard *guard)
    : WidgetBinder(button, widget, guard), m_button(button), m_widget(widget)
{
    // Enter in a text box must not press some button of the window.
    widget->setAutoDefault(false);
    connect(widget, &QPushButton::clicked, this, [this] {
        if (admit())
            m_button.click();
    });
    start();
}

void ButtonBinder::updateWidget()
{
    const QString text = shown(m_button.caption());
    if (m_widget->text() != text)
        m_widget->setText(text);
}

std::string ButtonBinder::caption() const
{
    return m_button.caption();
}

} // namespace ortavel
