#pragma once

#include <string>

namespace ortavel {

// A blocking message box with a single OK button.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void show(const std::string &text, const std::string &title, bool exclamation) = 0;
};

} // namespace ortavel
