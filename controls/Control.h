#pragma once

#include <functional>
#include <map>
#include <string>

namespace ortavel {

// State every control of a window shares. Views subscribe to be told of
// any change; handlers are plain callbacks set by the window model.
class Control {
public:
    using Listener = std::function<void()>;

    explicit Control(std::string name);
    virtual ~Control() = default;
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    const std::string &name() const { return m_name; }

    bool visible() const { return m_visible; }
    void setVisible(bool visible);
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    const std::string &toolTip() const { return m_toolTip; }
    void setToolTip(const std::string &toolTip);

    int subscribe(Listener listener);
    void unsubscribe(int id);

protected:
    // Tells every view that the state has changed.
    void changed();

    // Sets a field and tells the views; false when it already held value.
    template <typename T> bool assign(T &field, const T &value)
    {
        if (field == value)
            return false;
        field = value;
        changed();
        return true;
    }

private:
    std::string m_name;
    bool m_visible = true;
    bool m_enabled = true;
    std::string m_toolTip;
    std::map<int, Listener> m_listeners;
    int m_nextId = 1;
};

} // namespace ortavel
