#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

class QWidget;

namespace ortavel {

class Control;
class Form;

// Asks the form before a control takes an operator action, so that the
// validate handler of the box that has the focus runs first. When it keeps
// the focus, the action is dropped and the Qt focus goes back to the box.
// A handler that moves the focus moves the Qt focus too.
class FocusGuard : public QObject {
public:
    FocusGuard(Form &form, QObject *parent);
    ~FocusGuard() override;
    FocusGuard(const FocusGuard &) = delete;
    FocusGuard &operator=(const FocusGuard &) = delete;

    // Watches widget (and the parts of it that take input) for control.
    void watch(Control &control, QWidget *widget);
    QWidget *widgetOf(const Control &control) const { return m_widgets.value(&control).data(); }

    // True when control may act now; false after putting the focus back.
    bool admit(Control &control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void restoreFocus();
    // Gives the Qt focus to the control that the form says has it.
    void followForm();

    Form &m_form;
    int m_subscription = 0;
    QHash<const QObject *, Control *> m_controls;
    QHash<const Control *, QPointer<QWidget>> m_widgets;
};

} // namespace ortavel
