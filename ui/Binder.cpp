#include "Binder.h"

#include "controls/Control.h"

#include <set>

namespace ortavel {

namespace {

// Binders live and die on the window's thread only.
std::set<Binder *> &liveBinders()
{
    static std::set<Binder *> binders;
    return binders;
}

} // namespace

Binder::Binder(Control &control, QObject *target) : QObject(target), m_control(control)
{
    liveBinders().insert(this);
}

void Binder::refreshAll()
{
    // A refresh may close a window and so destroy binders: walk a copy, and
    // skip those gone meanwhile.
    const std::set<Binder *> binders = liveBinders();
    for (Binder *binder : binders)
        if (liveBinders().count(binder) != 0)
            binder->refresh();
}

Binder::~Binder()
{
    liveBinders().erase(this);
    if (m_subscription != 0)
        m_control.unsubscribe(m_subscription);
}

void Binder::start()
{
    m_subscription = m_control.subscribe([this] { update(); });
    update();
}

} // namespace ortavel
