#include "Control.h"

#include <vector>

namespace ortavel {

Control::Control(std::string name) : m_name(std::move(name)) {}

void Control::setVisible(bool visible)
{
    assign(m_visible, visible);
}

void Control::setEnabled(bool enabled)
{
    assign(m_enabled, enabled);
}

void Control::setToolTip(const std::string &toolTip)
{
    assign(m_toolTip, toolTip);
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
