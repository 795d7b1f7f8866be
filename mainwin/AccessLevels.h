#pragma once

#include <string_view>

namespace ortavel {

class Ortavel;

inline constexpr std::string_view kDisplayCode = "brolkan";
inline constexpr std::string_view kFactoryCode = "tesmifo";
inline constexpr std::string_view kHideCode = "quandel";

// True when the whole text is the code, in any case.
bool isAccessCode(std::string_view text, std::string_view code);

// The access code box of the main window: three codes show, hide, enable
// or disable the controls kept from the ordinary operator.
class AccessLevels {
public:
    explicit AccessLevels(Ortavel &window);

    void txtPass_Change();
    void Form_Click();

private:
    void showReadingsAndConsole();

    Ortavel &m_window;
};

} // namespace ortavel
