#include "TextBox.h"

namespace ortavel {

void TextBox::setText(const std::string &text)
{
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
