#include "TextBox.h"

namespace ortavel {

void TextBox::setText(const std::string &text)
{
    if (m_text == text)
        return;
    m_text = text;
    changed();
    if (onChange)
        onChange();
}

void TextBox::setReadOnly(bool readOnly)
{
    if (m_readOnly == readOnly)
        return;
    m_readOnly = readOnly;
    changed();
}

void TextBox::setMultiLine(bool multiLine)
{
    if (m_multiLine == multiLine)
        return;
    m_multiLine = multiLine;
    changed();
}

bool TextBox::validate() const
{
    return !onValidate || !onValidate();
}

} // namespace ortavel
