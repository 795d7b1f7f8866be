#pragma once

#include <string>

namespace ortavel {

class Ortavel;

// The basic information panel of the main window: address, rate, type and
// identification of the current transmitter, written in one go by Modify.
class BasicSetting {
public:
    explicit BasicSetting(Ortavel &window);

    // True keeps the focus in the address box.
    bool TXT_ADDR_Validate();
    void COM_ADDR_Click();

private:
    bool isListedElsewhere(const std::string &address);
    bool isRateTaken(int entry);
    bool writeAddress(int entry, std::string &address);
    bool writeBaud(const std::string &address, int entry);

    Ortavel &m_window;
};

} // namespace ortavel
