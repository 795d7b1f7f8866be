#include "FormBinder.h"

#include "QtText.h"
#include "controls/Form.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QWidget>

namespace ortavel {

FormBinder::FormBinder(Form &form, QWidget *window, QWidget *background)
    : Binder(form, window), m_form(form), m_window(window), m_background(background != nullptr ? background : window)
{
    window->setObjectName(toQt(form.name()));
    window->installEventFilter(this);
    if (m_background != m_window)
        m_background->installEventFilter(this);
    start();
}

void FormBinder::update()
{
    if (m_window == nullptr)
        return;
    m_window->setWindowTitle(shown(m_form.caption()));
    m_window->setAccessibleName(shown(m_form.caption()));
    m_window->setEnabled(m_form.enabled());
}

bool FormBinder::backgroundClick(QObject *watched, QEvent *event)
{
    if (watched != m_background ||
        (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease))
        return false;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    // Clicks on a disabled control come through to its parent: not ours.
    const QPoint at = mouse->position().toPoint();
    const bool empty = m_background->rect().contains(at) && m_background->childAt(at) == nullptr;
    if (mouse->button() != Qt::LeftButton)
        return false;
    if (event->type() == QEvent::MouseButtonPress) {
        m_pressed = empty;
        return false;
    }
    const bool clicked = m_pressed && empty;
    m_pressed = false;
    return clicked;
}

bool FormBinder::eventFilter(QObject *watched, QEvent *event)
{
    if (backgroundClick(watched, event)) {
        m_form.click();
        return false;
    }
    if (watched != m_window || event->type() != QEvent::Close)
        return false;
    if (m_form.queryUnload())
        return false;
    event->ignore();
    return true;
}

} // namespace ortavel
