#pragma once

#include "Binder.h"

#include <QPointer>

class QWidget;

namespace ortavel {

class Form;

// A window: its title follows the caption, a request to close it, from the
// title bar or the program, asks the form, which may refuse, and a click on
// an empty spot of its background is the form's click.
class FormBinder : public Binder {
public:
    FormBinder(Form &form, QWidget *window, QWidget *background = nullptr);

protected:
    void update() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Form &m_form;
    bool backgroundClick(QObject *watched, QEvent *event);

    QPointer<QWidget> m_window;
    QPointer<QWidget> m_background;
    bool m_pressed = false;
};

} // namespace ortavel
