#include "WidgetBinder.h"

#include "FocusGuard.h"
#include "QtText.h"
#include "controls/Label.h"

namespace ortavel {

WidgetBinder::WidgetBinder(Control &control, QWidget *widget, FocusGuard *guard)
    : Binder(control, widget), m_widget(widget), m_guard(guard)
{
    widget->setObjectName(toQt(control.name()));
    if (guard != nullptr)
        guard->watch(control, widget);
}

WidgetBinder::~WidgetBinder()
{
    if (m_namingLabel != nullptr)
        m_namingLabel->unsubscribe(m_labelSubscription);
}

void WidgetBinder::setNamingLabel(Label *label)
{
    if (m_namingLabel != nullptr)
        m_namingLabel->unsubscribe(m_labelSubscription);
    m_namingLabel = label;
    if (label != nullptr)
        m_labelSubscription = label->subscribe([this] { updateAccessibleName(); });
    updateAccessibleName();
}

void WidgetBinder::update()
{
    if (m_widget == nullptr)
        return;
    const Control &model = control();
    m_widget->setEnabled(model.enabled());
    m_widget->setToolTip(shown(model.toolTip()));
    // A child widget not shown yet appears with its window; only one hidden
    // on purpose needs showing.
    if (!model.visible())
        m_widget->setVisible(false);
    else if (!m_widget->isWindow() && m_widget->isHidden())
        m_widget->setVisible(true);
    updateWidget();
    updateAccessibleName();
}

void WidgetBinder::updateAccessibleName()
{
    if (m_widget == nullptr)
        return;
    QString name;
    if (m_namingLabel != nullptr)
        name = spokenName(shown(m_namingLabel->caption()));
    if (name.isEmpty())
        name = spokenName(shown(caption()));
    if (name.isEmpty())
        name = shown(control().toolTip());
    if (name.isEmpty())
        name = toQt(control().name());
    m_widget->setAccessibleName(name);
}

bool WidgetBinder::admit()
{
    return m_guard == nullptr || m_guard->admit(control());
}

} // namespace ortavel
