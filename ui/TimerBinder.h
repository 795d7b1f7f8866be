#pragma once

#include "Binder.h"

class QTimer;

namespace ortavel {

class Timer;

// Runs a QTimer as the Timer model says and calls tick() on its timeouts.
// QTimer never piles up timeouts: one that falls due while the thread is
// busy arrives once, afterwards, as the model expects.
class TimerBinder : public Binder {
public:
    TimerBinder(Timer &timer, QTimer *qtimer);

protected:
    void update() override;

private:
    Timer &m_timer;
    QTimer *m_qtimer;
};

} // namespace ortavel
