#pragma once

#include "WidgetBinder.h"

class QPushButton;

namespace ortavel {

class Button;

// A push button; a click runs the model's click handler.
class ButtonBinder : public WidgetBinder {
public:
    ButtonBinder(Button &button, QPushButton *widget, FocusGuard *guard);

protected:
    void updateWidget() override;
    std::string caption() const override;

private:
    Button &m_button;
    QPushButton *m_widget;
};

} // namespace ortavel
