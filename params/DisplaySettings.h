#pragma once

namespace ortavel {

class Ortavel;

// The digital display panel of the main window: unit, decimals and range.
class DisplaySettings {
public:
    explicit DisplaySettings(Ortavel &window);

    // Writes the chosen unit, then reads everything again unless the unit
    // list is held disabled by the address list's own read.
    void cmbUnit_Click();

private:
    Ortavel &m_window;
};

} // namespace ortavel
