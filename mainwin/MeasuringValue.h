#pragma once

#include <cstdint>
#include <string>

namespace ortavel {

class Ortavel;

// The measuring panel of the main window: the collect loop that polls
// pressure and temperature with the pressure's extremes, and the zero.
class MeasuringValue {
public:
    // The extremes start over from these when no pressure could be read.
    static constexpr const char *kNoMaximum = "-999.9";
    static constexpr const char *kNoMinimum = "+999.9";

    explicit MeasuringValue(Ortavel &window);

    void cmdON_OFF_Click();
    void Timer1_Timer();
    void cmdReset_Click();
    void COM_SC_Click();

    // Elapsed time as hours (not wrapped), minutes and seconds: 0:01:30.
    static std::string elapsedText(std::int64_t ms);

    // When collecting last started, on the monotonic clock in ms.
    std::int64_t CollectStart = 0;

private:
    void pollPressure();
    void pollTemperature();

    Ortavel &m_window;
    bool m_ticking = false;
};

} // namespace ortavel
