#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <string>

class QAction;
class QMenuBar;
class QTimer;
class QWidget;

namespace ortavel {

// The widest value a value box must show whole.
inline constexpr QLatin1String kWidestValue("-1234.567");

class Binder;
class Control;
class FocusGuard;
class Form;
class Label;
class WidgetBinder;

// The Qt side of one form: a widget, action or timer with its binder for
// every control of the form, made by the control's kind. Window-specific
// code only places the widgets; all the state flows through the binders.
class FormView : public QObject {
public:
    // The frame or menu a control belongs to; nullptr at window level.
    using ParentOf = std::function<Control *(const Control &)>;

    // Widgets are made as children of container, menus in menuBar (if
    // given); the window's close requests go to the form.
    FormView(Form &form, QWidget *window, QWidget *container, QMenuBar *menuBar, const ParentOf &parentOf = {});
    ~FormView() override;
    FormView(const FormView &) = delete;
    FormView &operator=(const FormView &) = delete;

    Form &form() const { return m_form; }
    QWidget *window() const { return m_window; }
    FocusGuard &focusGuard() const { return *m_guard; }

    QWidget *widget(const std::string &name) const;
    template <typename W> W *widgetAs(const std::string &name) const { return qobject_cast<W *>(widget(name)); }
    QAction *action(const std::string &name) const;
    QTimer *timer(const std::string &name) const;
    WidgetBinder *binder(const std::string &name) const;

    // Names field for assistive technology with the caption of label.
    void nameBy(const std::string &field, Label &label) const;

private:
    void makeControl(Control &control, QWidget *container);
    void makeMenus(QMenuBar *menuBar, const ParentOf &parentOf);

    Form &m_form;
    QWidget *m_window;
    FocusGuard *m_guard;
    std::map<std::string, QWidget *> m_widgets;
    std::map<std::string, WidgetBinder *> m_binders;
    std::map<std::string, QAction *> m_actions;
    std::map<std::string, QTimer *> m_timers;
};

} // namespace ortavel
