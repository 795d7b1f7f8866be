#include "FormBinder.h"

#include "QtText.h"
#include "controls/Form.h"

#include <QCloseEvent>
#include <QWidget>

namespace ortavel {

FormBinder::FormBinder(Form &form, QWidget *window) : Binder(form, window), m_form(form), m_window(window)
{
    window->setObjectName(toQt(form.name()));
    window->installEventFilter(this);
    start();
}

void FormBinder::update()
{
    if (m_window == nullptr)
        return;
    m_window->setWindowTitle(toQt(m_form.caption()));
    m_window->setAccessibleName(toQt(m_form.caption()));
    m_window->setEnabled(m_form.enabled());
}

bool FormBinder::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window || event->type() != QEvent::Close)
        return false;
    if (m_form.queryUnload())
        return false;
    event->ignore();
    return true;
}

} // namespace ortavel
