#include "MenuItemBinder.h"

#include "QtText.h"
#include "controls/MenuItem.h"

#include <QAction>

namespace ortavel {

MenuItemBinder::MenuItemBinder(MenuItem &item, QAction *action) : Binder(item, action), m_item(item), m_action(action)
{
    action->setObjectName(toQt(item.name()));
    connect(action, &QAction::triggered, this, [this] { m_item.click(); });
    start();
}

void MenuItemBinder::update()
{
    m_action->setSeparator(m_item.isSeparator());
    if (!m_item.isSeparator())
        m_action->setText(shown(m_item.caption()));
    m_action->setVisible(m_item.visible());
    m_action->setEnabled(m_item.enabled());
    m_action->setToolTip(shown(m_item.toolTip()));
    m_action->setCheckable(m_item.checkable());
    m_action->setChecked(m_item.checked());
}

} // namespace ortavel
