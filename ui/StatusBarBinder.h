#pragma once

#include "WidgetBinder.h"

#include <array>

class QLabel;
class QStatusBar;

namespace ortavel {

class StatusBar;

// A status bar of four text panels, named "<bar>_Panel1" to "_Panel4".
class StatusBarBinder : public WidgetBinder {
public:
    static constexpr int kPanels = 4;

    StatusBarBinder(StatusBar &bar, QStatusBar *widget);

    QLabel *panel(int number) const { return m_panels.at(static_cast<std::size_t>(number - 1)); }

protected:
    void updateWidget() override;

private:
    StatusBar &m_bar;
    std::array<QLabel *, kPanels> m_panels{};
};

} // namespace ortavel
