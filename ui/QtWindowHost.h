#pragma once

#include "controls/WindowHost.h"

#include <QPointer>
#include <QWidget>

#include <map>

namespace ortavel {

// Shows and closes the tool's windows. A window is known by its form's name
// once added; showing an unknown name does nothing.
class QtWindowHost final : public WindowHost {
public:
    // Closing the window that ends the tool ends it even while other windows
    // are open: they all work through its serial port.
    void addWindow(const std::string &formName, QWidget *window, bool endsTool = false);

    void showWindow(const std::string &formName) override;
    // Sends the window a close event, so its form's queryUnload decides.
    void requestClose(Form &form) override;

private:
    std::map<std::string, QPointer<QWidget>> m_windows;
};

} // namespace ortavel
