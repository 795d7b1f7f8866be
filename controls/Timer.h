#pragma once

#include "Control.h"

namespace ortavel {

// A periodic timer. The platform watches interval and enabled state and
// calls tick() on the window thread; a tick due while the thread is busy is
// delivered once, afterwards.
class Timer : public Control {
public:
    Timer(std::string name, int intervalMs) : Control(std::move(name)), m_interval(intervalMs) { setEnabled(false); }

    int interval() const { return m_interval; }
    void setInterval(int intervalMs) { assign(m_interval, intervalMs); }

    std::function<void()> onTimer;
    void tick()
    {
        if (enabled() && onTimer)
            onTimer();
    }

private:
    int m_interval;
};

} // namespace ortavel
