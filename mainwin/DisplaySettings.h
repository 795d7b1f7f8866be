#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ortavel {

class Ortavel;
class TextBox;

// A typed range or output value written with the sign and the decimals
// pattern; nullopt when the text is not a plain number (it then stays as
// typed).
std::optional<std::string> patternedValueText(std::string_view typed, std::string_view pattern);

// The digital display panel of the main window: unit, decimals and range.
class DisplaySettings {
public:
    explicit DisplaySettings(Ortavel &window);

    // Writes the chosen unit, then reads everything again unless the unit
    // list is held disabled by the address list's own read.
    void cmbUnit_Click();
    void cmdSCALE_Read_Click();
    void cmdSCALE_Write_Click();
    // Never keep the focus.
    bool TXT_DPL_Validate();
    bool TXT_DPH_Validate();

    // Puts a box's number into the decimals pattern chosen in Cmb_DP.
    void formatWithDecimals(TextBox &box) const;

private:
    Ortavel &m_window;
};

} // namespace ortavel
