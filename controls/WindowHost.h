#pragma once

#include <string>

namespace ortavel {

class Form;

// Showing and closing windows.
class WindowHost {
public:
    virtual ~WindowHost() = default;
    // Shows another window without blocking the caller.
    virtual void showWindow(const std::string &formName) = 0;
    // Asks a window to close; its queryUnload decides.
    virtual void requestClose(Form &form) = 0;
    // Asks every other open window to close, each by its own queryUnload.
    virtual void closeOtherWindows(const Form &keep) = 0;
};

} // namespace ortavel
