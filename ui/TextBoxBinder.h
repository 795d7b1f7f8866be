#pragma once

#include "WidgetBinder.h"

#include <QColor>

class QLineEdit;
class QPlainTextEdit;

namespace ortavel {

class TextBox;

// A text box: a line edit, or a plain text edit for a multi-line box. What
// the operator types goes to the model, which runs its change handler.
class TextBoxBinder : public WidgetBinder {
public:
    TextBoxBinder(TextBox &box, QLineEdit *widget, FocusGuard *guard);
    TextBoxBinder(TextBox &box, QPlainTextEdit *widget, FocusGuard *guard);

protected:
    void updateWidget() override;

private:
    void typed(const std::string &text);
    void showKind(QWidget *widget);

    TextBox &m_box;
    QLineEdit *m_line = nullptr;
    QPlainTextEdit *m_plain = nullptr;
    QColor m_normalText;
};

} // namespace ortavel
