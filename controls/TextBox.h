#pragma once

#include "Control.h"

namespace ortavel {

// A single- or multi-line text box. Every change of its text, by the
// operator or by a handler, runs onChange. onValidate runs when the focus is
// about to leave the box; returning true keeps the focus in it.
class TextBox : public Control {
public:
    TextBox(std::string name, std::string text) : Control(std::move(name)), m_text(std::move(text)) {}

    const std::string &text() const { return m_text; }
    void setText(const std::string &text);

    bool readOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly);
    bool multiLine() const { return m_multiLine; }
    void setMultiLine(bool multiLine);

    std::function<void()> onChange;
    std::function<bool()> onValidate;

    // Runs the validate handler; true when the focus may leave.
    bool validate() const;

private:
    std::string m_text;
    bool m_readOnly = false;
    bool m_multiLine = false;
};

} // namespace ortavel
