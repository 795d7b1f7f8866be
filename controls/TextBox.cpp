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
    // Views hear of a change of kind too: the same text may stop being a value.
    assign(m_content, content);
    if (assign(m_text, text) && onChange)
        onChange();
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
