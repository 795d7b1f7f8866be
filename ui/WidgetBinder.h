#pragma once

#include "Binder.h"

#include <QPointer>
#include <QWidget>

namespace ortavel {

class FocusGuard;
class Label;

// The state every control's widget follows: name, shown, enabled, tool tip,
// and the accessible name. Operator actions go through the focus guard.
class WidgetBinder : public Binder {
public:
    WidgetBinder(Control &control, QWidget *widget, FocusGuard *guard);
    ~WidgetBinder() override;
    WidgetBinder(const WidgetBinder &) = delete;
    WidgetBinder &operator=(const WidgetBinder &) = delete;

    QWidget *widget() const { return m_widget; }

    // The label that names this control for assistive technology.
    void setNamingLabel(Label *label);

protected:
    void update() final;
    virtual void updateWidget() = 0;
    // The caption the widget shows itself; empty for controls without one.
    virtual std::string caption() const { return {}; }
    // True when the operator's action on the control may go ahead.
    bool admit();

private:
    void updateAccessibleName();

    QPointer<QWidget> m_widget;
    FocusGuard *m_guard;
    Label *m_namingLabel = nullptr;
    int m_labelSubscription = 0;
};

} // namespace ortavel
