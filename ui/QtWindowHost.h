#pragma once

#include "controls/WindowHost.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <vector>

namespace ortavel {

// Shows and closes the tool's windows. A window is known by its form's name
// once added; showing an unknown name does nothing.
class QtWindowHost final : public WindowHost {
public:
    using WindowMaker = std::function<QWidget *()>;
    // A window with this property set to true opens application-modal.
    static constexpr const char *kModalProperty = "ortavelModal";

    QtWindowHost() = default;
    // Deletes the made windows still there.
    ~QtWindowHost() override;
    QtWindowHost(const QtWindowHost &) = delete;
    QtWindowHost &operator=(const QtWindowHost &) = delete;

    // Closing the window that ends the tool ends it even while other windows
    // are open: they all work through its serial port.
    void addWindow(const std::string &formName, QWidget *window, bool endsTool = false);

    // A window that maker makes anew at every showing while it is not open,
    // deleted once closed, so that every opening starts afresh.
    void addWindowMaker(const std::string &formName, WindowMaker maker);
    // The window of that name while there is one.
    QWidget *window(const std::string &formName) const;
    void showWindow(const std::string &formName) override;
    // Sends the window a close event, so its form's queryUnload decides.
    void requestClose(Form &form) override;
    void closeOtherWindows(const Form &keep) override;

private:
    std::map<std::string, QPointer<QWidget>> m_windows;
    std::map<std::string, WindowMaker> m_makers;
    std::vector<QPointer<QWidget>> m_made;
};

} // namespace ortavel
