#include "ComboBox.h"

namespace ortavel {

void ComboBox::setEditable(bool editable)
{
    assign(m_editable, editable);
}

void ComboBox::addItem(const std::string &text, int itemData)
{
    m_entries.push_back({text, itemData, {}});
    changed();
}

void ComboBox::setItemText(int index, const std::string &text)
{
    if (index < 0 || index >= count() || m_entries[static_cast<std::size_t>(index)].text == text)
        return;
    m_entries[static_cast<std::size_t>(index)].text = text;
    if (index == m_selected)
        m_text = text;
    changed();
}

int ComboBox::itemData(int index) const
{
    if (index < 0 || index >= count())
        return 0;
    return m_entries[static_cast<std::size_t>(index)].itemData;
}

void ComboBox::setItemToolTip(int index, const std::string &toolTip)
{
    if (index >= 0 && index < count())
        assign(m_entries[static_cast<std::size_t>(index)].toolTip, toolTip);
}

void ComboBox::clear()
{
    m_entries.clear();
    m_selected = -1;
    unstamp();
    m_text.clear();
    changed();
}

bool ComboBox::setSelectedIndex(int index)
{
    if (index < -1 || index >= count())
        return false;
    // The entry a reply names again is that reply's value.
    if (index < 0)
        unstamp();
    else
        stamp(m_choosing);
    m_choosing = false;
    if (index == m_selected) {
        if (index >= 0)
            assign(m_text, m_entries[static_cast<std::size_t>(index)].text);
        return true;
    }
    m_selected = index;
    m_text = index < 0 ? std::string() : m_entries[static_cast<std::size_t>(index)].text;
    changed();
    if (onClick)
        onClick();
    return true;
}

bool ComboBox::choose(int index)
{
    if (index < 0 || index >= count())
        return false;
    // The pick is the operator's; a selection the click handler makes is not.
    m_choosing = true;
    if (index != m_selected)
        return setSelectedIndex(index);
    setSelectedIndex(index);
    if (m_repickRunsClick && onClick)
        onClick();
    return true;
}

std::string ComboBox::text() const
{
    return m_text;
}

void ComboBox::setText(const std::string &text)
{
    stamp();
    if (assign(m_text, text) && onChange)
        onChange();
}

} // namespace ortavel
