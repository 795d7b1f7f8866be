#pragma once

#include "Binder.h"

class QAction;

namespace ortavel {

class MenuItem;

// A menu entry as a QAction; "&" marks its access key, "-" a separator.
// Choosing it runs the model's click handler; menus take no focus, so no
// validate handler runs first.
class MenuItemBinder : public Binder {
public:
    MenuItemBinder(MenuItem &item, QAction *action);

protected:
    void update() override;

private:
    MenuItem &m_item;
    QAction *m_action;
};

} // namespace ortavel
