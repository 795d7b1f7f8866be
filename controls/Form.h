#pragma once

#include "Label.h"

#include <vector>

namespace ortavel {

class TextBox;

// A window: its caption, its controls in order, and the input focus. The
// view asks the form before it lets a control take the focus, so that the
// validate handler of the box losing it runs first and may keep it.
class Form : public Label {
public:
    using Label::Label;

    // Every control of the window, in the order they were registered.
    const std::vector<Control *> &controls() const { return m_controls; }
    Control *find(const std::string &name) const;

    Control *focused() const { return m_focused; }
    // True when target now has the focus; false when a validate handler kept
    // it where it was, in which case target's own handler must not run.
    // Subscribers are told when the focus moves.
    bool requestFocus(Control &target);

    // Runs when the window is asked to close; false refuses the close.
    std::function<bool()> onQueryUnload;
    // Not const: the handler may save or close what the window holds.
    // NOLINTNEXTLINE(readability-make-member-function-const)
    bool queryUnload() { return !onQueryUnload || onQueryUnload(); }

protected:
    template <typename T> T &add(T &control)
    {
        m_controls.push_back(&control);
        return control;
    }

private:
    std::vector<Control *> m_controls;
    Control *m_focused = nullptr;
};

} // namespace ortavel
