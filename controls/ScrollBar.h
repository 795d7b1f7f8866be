#pragma once

#include "Control.h"

namespace ortavel {

// A vertical scroll bar. A change of position, by the operator or by a
// handler, runs onChange at once; a position outside the range is refused.
class ScrollBar : public Control {
public:
    ScrollBar(std::string name, int minimum, int maximum);

    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    int value() const { return m_value; }
    // The operator's move: the position keeps the origin of the one it
    // started from.
    bool setValue(int value);
    // A position from a reply: the value of the selection in force.
    bool takeValue(int value);
    // Puts back the position before the last change without running
    // onChange.
    void revert();

    int smallChange() const { return m_smallChange; }
    int largeChange() const { return m_largeChange; }
    void setSteps(int smallChange, int largeChange);

    std::function<void()> onChange;

private:
    int m_minimum;
    int m_maximum;
    int m_value = 0;
    int m_previous = 0;
    int m_smallChange = 1;
    int m_largeChange = 1;
};

} // namespace ortavel
