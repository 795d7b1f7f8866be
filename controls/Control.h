#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>

namespace ortavel {

// Counts a window's selections of a transmitter. A control's value keeps
// the count in force when it was read or typed, so that a value of one
// transmitter never passes for another's.
class SelectionCount {
public:
    std::uint64_t current() const { return m_current; }
    void next() { ++m_current; }

private:
    std::uint64_t m_current = 1;
};

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

    // The selection the control's value belongs to; 0 for no value. Without
    // a count the control never holds one.
    void setSelectionCount(const SelectionCount *count) { m_selectionCount = count; }
    std::uint64_t origin() const { return m_origin; }
    bool holdsCurrentValue() const
    {
        return m_origin != 0 && m_selectionCount != nullptr && m_origin == m_selectionCount->current();
    }
    // The same, and the value came from a reply, not from the operator's
    // typing or picking: what the transmitter holds, as far as it is known.
    bool holdsReadValue() const { return holdsCurrentValue() && !m_byOperator; }
    // The value stays on show but no longer counts as one.
    virtual void forgetValue() { unstamp(); }

protected:
    // Tells every view that the state has changed.
    void changed();
    // The value now held belongs to the selection in force, or to none.
    void stamp(bool byOperator = false)
    {
        m_origin = m_selectionCount ? m_selectionCount->current() : 0;
        m_byOperator = byOperator;
    }
    void unstamp() { m_origin = 0; }

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
    const SelectionCount *m_selectionCount = nullptr;
    std::uint64_t m_origin = 0;
    bool m_byOperator = false;
};

} // namespace ortavel
