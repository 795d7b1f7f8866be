#include "LabelBinder.h"

#include "QtText.h"
#include "controls/Label.h"

#include <QLabel>
#include <QMouseEvent>

namespace ortavel {

LabelBinder::LabelBinder(Label &label, QLabel *widget)
    : WidgetBinder(label, widget, nullptr), m_label(label), m_widget(widget)
{
    // Captions are shown as they stand, never as markup.
    widget->setTextFormat(Qt::PlainText);
    widget->installEventFilter(this);
    start();
}

void LabelBinder::updateWidget()
{
    const QString text = shown(m_label.caption());
    if (m_widget->text() != text)
        m_widget->setText(text);
}

std::string LabelBinder::caption() const
{
    return m_label.caption();
}

bool LabelBinder::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_widget && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton &&
        m_widget->rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint()))
        m_label.click();
    return false;
}

} // namespace ortavel
