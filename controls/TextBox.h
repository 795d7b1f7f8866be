#pragma once

#include "Control.h"

namespace ortavel {

// A single- or multi-line text box. Every change of its text, by the
// operator or by a handler, runs onChange. onValidate runs when the focus is
// about to leave the box; returning true keeps the focus in it.
//
// The box also knows whether its text is a value: one from a good reply or
// typed by the operator. The initial text and a failed answer shown whole
// are not, and requests that write the box's value skip it then.
class TextBox : public Control {
public:
    TextBox(std::string name, std::string text) : Control(std::move(name)), m_text(std::move(text)) {}

    const std::string &text() const { return m_text; }
    // What the text is: the design text, a value, a failure shown whole, or
    // a value that no longer counts (its transmitter is gone).
    enum class Content { Initial, Value, Failure, NotRead };

    // The text becomes the box's value.
    void setText(const std::string &text);
    // The operator's edit. What is left of a failed answer after an edit
    // stays a failure; a new text in its place is a value.
    void type(const std::string &text);
    // The value of this selection in another form: it stays the operator's
    // or the transmitter's, as it was. Anything else is left alone.
    void reformat(const std::string &text);
    void forgetValue() override;
    // Shows a failed answer; the box then holds no value.
    void showFailure(const std::string &text);
    Content content() const { return m_content; }
    bool holdsValue() const { return m_content == Content::Value; }

    bool readOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly);
    bool multiLine() const { return m_multiLine; }
    void setMultiLine(bool multiLine);

    // The background: the system's window colour, or its button face colour
    // for a box that is out of use.
    enum class BackColor { Window, ButtonFace };
    BackColor backColor() const { return m_backColor; }
    void setBackColor(BackColor color) { assign(m_backColor, color); }

    std::function<void()> onChange;
    std::function<bool()> onValidate;

    // Runs the validate handler; true when the focus may leave.
    bool validate() const;

private:
    void put(const std::string &text, Content content, bool byOperator = false);

    std::string m_text;
    Content m_content = Content::Initial;
    bool m_readOnly = false;
    bool m_multiLine = false;
    BackColor m_backColor = BackColor::Window;
};

} // namespace ortavel
