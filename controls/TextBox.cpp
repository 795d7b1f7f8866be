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

void TextBox::put(const std::string &text, Content content)
{
    // Views hear of a change of kind too: the same text may stop being a
    // value. Both change before anybody is told.
    const bool kindChanged = m_content != content;
    m_content = content;
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
