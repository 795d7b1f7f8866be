#pragma once

#include "Binder.h"

#include <QPointer>

class QWidget;

namespace ortavel {

class Form;

// A window: its title follows the caption, and a request to close it, from
// the title bar or the program, asks the form, which may refuse.
class FormBinder : public Binder {
public:
    FormBinder(Form &form, QWidget *window);

protected:
    void update() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Form &m_form;
    QPointer<QWidget> m_window;
};

} // namespace ortavel
