#include "BackColorBinder.h"

#include "controls/TextBox.h"

#include <QApplication>
#include <QWidget>

namespace ortavel {

BackColorBinder::BackColorBinder(TextBox &box, QWidget *widget) : Binder(box, widget), m_box(box), m_widget(widget)
{
    start();
}

void BackColorBinder::update()
{
    const bool buttonFace = m_box.backColor() == TextBox::BackColor::ButtonFace;
    if (m_widget == nullptr || (!buttonFace && !m_changed))
        return;
    m_changed = true;
    const QColor wanted =
        QApplication::palette(m_widget).color(QPalette::Active, buttonFace ? QPalette::Button : QPalette::Base);
    if (m_widget->palette().color(QPalette::Active, QPalette::Base) == wanted)
        return;
    // Other entries of the palette belong to other binders.
    QPalette palette = m_widget->palette();
    palette.setColor(QPalette::Base, wanted);
    m_widget->setPalette(palette);
}

} // namespace ortavel
