#pragma once

#include "Control.h"

namespace ortavel {

class Label : public Control {
public:
    Label(std::string name, std::string caption) : Control(std::move(name)), m_caption(std::move(caption)) {}

    const std::string &caption() const { return m_caption; }
    void setCaption(const std::string &caption) { assign(m_caption, caption); }

    // Link labels and the like; most labels have none.
    std::function<void()> onClick;
    void click()
    {
        if (enabled() && onClick)
            onClick();
    }

private:
    std::string m_caption;
};

} // namespace ortavel
