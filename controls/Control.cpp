#include "Control.h"

#include <vector>

namespace ortavel {

Control::Control(std::string name) : m_name(std::move(name)) {}

void Control::setVisible(bool visible)
{
    if (m_visible == visible)
        return;
    m_visible = visible;
    changed();
}

void Control::setEnabled(bool enabled)
{
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    changed();
}

void Control::setToolTip(const std::string &toolTip)
{
    if (m_toolTip == toolTip)
        return;
    m_toolTip = toolTip;
    changed();
}

int Control::subscribe(Listener listener)
{
    const int id = m_nextId++;
    m_listeners.emplace(id, std::move(listener));
    return id;
}

void Control::unsubscribe(int id)
{
    m_listeners.erase(id);
}

void Control::changed()
{
    // A listener may unsubscribe while being told; work on a copy.
    std::vector<Listener> listeners;
    listeners.reserve(m_listeners.size());
    for (const auto &entry : m_listeners)
        listeners.push_back(entry.second);
    for (const auto &listener : listeners)
        listener();
}

} // namespace ortavel
