#include "TextBox.h"

namespace ortavel {

void TextBox::setText(const std::string &text)
{
    put(text, Content::Value);
}

void TextBox::showFailure(const std::string &text)
{
    put(text, Content::Failure);
}

void TextBox::type(const std::string &text)
{
    // "ERR 0" after a Backspace, " 0" once "ERR" is deleted: an edit that
    // keeps either end of the failure keeps the failure.
    const bool keepsFailure = m_content == Content::Failure && !m_text.empty() && !text.empty() &&
                              (m_text.front() == text.front() || m_text.back() == text.back());
    put(text, keepsFailure ? Content::Failure : Content::Value, true);
}

void TextBox::reformat(const std::string &text)
{
    if (holdsCurrentValue())
        put(text, Content::Value, !holdsReadValue());
}

void TextBox::forgetValue()
{
    if (m_content == Content::Value)
        put(m_text, Content::NotRead);
    unstamp();
}

void TextBox::put(const std::string &text, Content content, bool byOperator)
{
    // Views hear of a change of kind too: the same text may stop being a
    // value. Both change before anybody is told.
    const bool kindChanged = m_content != content;
    m_content = content;
    if (content == Content::Value)
        stamp(byOperator);
    else
        unstamp();
    if (assign(m_text, text)) {
        if (onChange)
            onChange();
    } else if (kindChanged) {
        changed();
    }
}

void TextBox::setReadOnly(bool readOnly)
{
    assign(m_readOnly, readOnly);
}

void TextBox::setMultiLine(bool multiLine)
{
    assign(m_multiLine, multiLine);
}

bool TextBox::validate() const
{
    return !onValidate || !onValidate();
}

} // namespace ortavel
