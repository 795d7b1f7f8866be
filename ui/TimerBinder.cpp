#include "TimerBinder.h"

#include "QtText.h"
#include "controls/Timer.h"

#include <QTimer>

namespace ortavel {

TimerBinder::TimerBinder(Timer &timer, QTimer *qtimer) : Binder(timer, qtimer), m_timer(timer), m_qtimer(qtimer)
{
    qtimer->setObjectName(toQt(timer.name()));
    qtimer->setTimerType(Qt::PreciseTimer);
    connect(qtimer, &QTimer::timeout, this, [this] { m_timer.tick(); });
    start();
}

void TimerBinder::update()
{
    // An interval of 0 stops the timer rather than spinning it.
    const bool run = m_timer.enabled() && m_timer.interval() > 0;
    if (!run) {
        m_qtimer->stop();
        return;
    }
    if (!m_qtimer->isActive() || m_qtimer->interval() != m_timer.interval())
        m_qtimer->start(m_timer.interval());
}

} // namespace ortavel
