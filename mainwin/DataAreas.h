#pragma once

#include <string>
#include <string_view>

namespace ortavel {

class Ortavel;

// The store buttons of the main window: the transmitter's working
// parameters into its user or factory data area, optionally written to
// every transmitter on the bus first, and the factory setting restored.
class DataAreas {
public:
    explicit DataAreas(Ortavel &window);

    void CMD_USER_Click();
    void CMD_FACT_Click();
    void CMD_LD_Click();

private:
    struct Save;
    void save(const Save &area);
    // The window's parameters to every transmitter at once; returns the
    // letters of those skipped for want of a value.
    std::string broadcast(std::string_view store);
    bool refused(const char *title);

    Ortavel &m_window;
};

} // namespace ortavel
