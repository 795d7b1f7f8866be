#pragma once

#include <array>
#include <string_view>
#include <utility>

namespace ortavel {

class Ortavel;
class ScrollBar;
class TextBox;

// The analogue output panel of the main window: 4 and 20 mA pressures and
// the two trims.
class OutputSettings {
public:
    explicit OutputSettings(Ortavel &window);

    void cmdDA_Read_Click();
    void cmdDA_Write_Click();
    // Each change of a trim bar writes the new trim at once.
    void VScroll1_Change();
    void VScroll2_Change();
    // Never keep the focus.
    bool TXT_DAL_Validate();
    bool TXT_DAH_Validate();

private:
    void writeTrim(ScrollBar &bar, TextBox &box, std::string_view letters);
    void holdBarWithBox(ScrollBar &bar, const TextBox &box);
    void formatPressure(TextBox &box);
    bool versionRead() const;
    // The four boxes with their letters, in the order they are read and written.
    std::array<std::pair<std::string_view, TextBox *>, 4> rows() const;

    Ortavel &m_window;
};

} // namespace ortavel
