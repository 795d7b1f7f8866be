#pragma once

#include "Control.h"

#include <array>

namespace ortavel {

// A status bar of four text panels, numbered 1 to 4.
class StatusBar : public Control {
public:
    static constexpr int kPanels = 4;
    using Control::Control;

    const std::string &panel(int number) const { return m_panels.at(static_cast<std::size_t>(number - 1)); }
    void setPanel(int number, const std::string &text)
    {
        assign(m_panels.at(static_cast<std::size_t>(number - 1)), text);
    }

    const std::string &panelToolTip(int number) const { return m_toolTips.at(static_cast<std::size_t>(number - 1)); }
    void setPanelToolTip(int number, const std::string &text)
    {
        assign(m_toolTips.at(static_cast<std::size_t>(number - 1)), text);
    }

private:
    std::array<std::string, kPanels> m_panels;
    std::array<std::string, kPanels> m_toolTips;
};

} // namespace ortavel
