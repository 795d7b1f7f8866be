#include "ScrollBar.h"

#include <algorithm>

namespace ortavel {

ScrollBar::ScrollBar(std::string name, int minimum, int maximum)
    : Control(std::move(name)), m_minimum(std::min(minimum, maximum)), m_maximum(std::max(minimum, maximum)),
      m_value(std::clamp(0, m_minimum, m_maximum)), m_previous(m_value)
{
}

bool ScrollBar::setValue(int value)
{
    if (value < m_minimum || value > m_maximum)
        return false;
    if (value == m_value)
        return true;
    m_previous = m_value;
    m_value = value;
    changed();
    if (onChange)
        onChange();
    return true;
}

bool ScrollBar::takeValue(int value)
{
    if (value < m_minimum || value > m_maximum)
        return false;
    stamp();
    return setValue(value);
}

void ScrollBar::revert()
{
    if (assign(m_value, m_previous))
        m_previous = m_value;
}

void ScrollBar::setSteps(int smallChange, int largeChange)
{
    m_smallChange = smallChange;
    m_largeChange = largeChange;
    changed();
}

} // namespace ortavel
