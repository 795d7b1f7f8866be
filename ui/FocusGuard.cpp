#include "FocusGuard.h"

#include "controls/Form.h"

#include <QFocusEvent>
#include <QWidget>

namespace ortavel {

FocusGuard::FocusGuard(Form &form, QObject *parent) : QObject(parent), m_form(form)
{
    m_subscription = form.subscribe([this] { followForm(); });
}

FocusGuard::~FocusGuard()
{
    m_form.unsubscribe(m_subscription);
}

void FocusGuard::followForm()
{
    QWidget *target = m_widgets.value(m_form.focused()).data();
    if (target == nullptr || !target->isEnabled() || !target->isVisibleTo(target->window()))
        return;
    const QWidget *current = target->window()->focusWidget();
    if (current != nullptr && (current == target || target->isAncestorOf(current)))
        return;
    target->setFocus(Qt::OtherFocusReason);
}

void FocusGuard::watch(Control &control, QWidget *widget)
{
    m_widgets.insert(&control, widget);
    // Mouse and keys may land on inner parts: a line edit inside a combo
    // box, the viewport of a multi-line box.
    QList<QWidget *> parts = widget->findChildren<QWidget *>();
    parts.prepend(widget);
    for (QWidget *part : parts) {
        m_controls.insert(part, &control);
        part->installEventFilter(this);
    }
}

bool FocusGuard::admit(Control &control)
{
    if (m_form.focused() == &control || m_form.requestFocus(control))
        return true;
    restoreFocus();
    return false;
}

void FocusGuard::restoreFocus()
{
    // The box's window may not be active again yet after a message box:
    // hand it the focus all the same, for when it is.
    QWidget *kept = m_widgets.value(m_form.focused()).data();
    if (kept != nullptr && kept->isEnabled())
        kept->setFocus(Qt::OtherFocusReason);
}

bool FocusGuard::eventFilter(QObject *watched, QEvent *event)
{
    Control *control = m_controls.value(watched);
    if (control == nullptr)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
        return !admit(*control);
    case QEvent::FocusIn: {
        // A click is judged at its press; activating the window or closing
        // a popup only gives the focus back to where it was.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason ||
            reason == Qt::OtherFocusReason)
            admit(*control);
        return false;
    }
    default:
        return false;
    }
}

} // namespace ortavel
