#pragma once

#include <optional>
#include <string>

namespace ortavel {

// A blocking message box with a single OK button.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void show(const std::string &text, const std::string &title, bool exclamation) = 0;
    // Asks for one line of text, shown with `value` to edit; nothing when the
    // operator cancels. A box without an operator to ask gives nothing.
    virtual std::optional<std::string> ask(const std::string &prompt, const std::string &title,
                                           const std::string &value)
    {
        static_cast<void>(prompt);
        static_cast<void>(title);
        static_cast<void>(value);
        return std::nullopt;
    }
    // Asks Yes or No, No the default; a box without an operator to ask says
    // No.
    virtual bool confirm(const std::string &text, const std::string &title)
    {
        static_cast<void>(text);
        static_cast<void>(title);
        return false;
    }
};

} // namespace ortavel
