#pragma once

#include "Control.h"

#include <algorithm>

namespace ortavel {

// How far a long operation has come: a value from 0 to the maximum.
class ProgressBar : public Control {
public:
    explicit ProgressBar(std::string name) : Control(std::move(name)) {}

    int maximum() const { return m_maximum; }
    int value() const { return m_value; }
    // The value is kept within 0 and the maximum.
    void setProgress(int value, int maximum)
    {
        const int top = std::max(maximum, 0);
        assign(m_maximum, top);
        assign(m_value, std::clamp(value, 0, top));
    }

private:
    int m_maximum = 1;
    int m_value = 0;
};

} // namespace ortavel
