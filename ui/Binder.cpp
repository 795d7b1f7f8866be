#include "Binder.h"

#include "controls/Control.h"

namespace ortavel {

Binder::Binder(Control &control, QObject *target) : QObject(target), m_control(control) {}

Binder::~Binder()
{
    if (m_subscription != 0)
        m_control.unsubscribe(m_subscription);
}

void Binder::start()
{
    m_subscription = m_control.subscribe([this] { update(); });
    update();
}

} // namespace ortavel
