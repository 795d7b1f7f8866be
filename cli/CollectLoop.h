#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace ortavel::cli {

class Bus;

struct PollRow {
    std::int64_t timeMs = 0;
    std::string pressure;    // as received; empty until the first good one
    std::string temperature; // "###0.0"; empty until the first good one
};

// The window's collect loop without the window: each tick is one exchange,
// alternately temperature and pressure (the flag starts at "pressure" and is
// inverted before each poll, so the first tick asks the temperature). A
// failed poll is counted and yields no row.
class CollectLoop {
public:
    explicit CollectLoop(std::string address);

    std::optional<PollRow> tick(Bus &bus, std::int64_t timeMs);

    int failedPressure() const { return m_failedPressure; }
    int failedTemperature() const { return m_failedTemperature; }
    int polls() const { return m_polls; }
    // Texts of the smallest and largest pressure seen; empty before one.
    const std::string &minimum() const { return m_minText; }
    const std::string &maximum() const { return m_maxText; }

private:
    void takePressure(const std::string &data, double value);

    std::string m_address;
    bool m_pollPressure = true;
    PollRow m_last;
    int m_polls = 0;
    int m_failedPressure = 0;
    int m_failedTemperature = 0;
    std::optional<double> m_min;
    std::optional<double> m_max;
    std::string m_minText;
    std::string m_maxText;
};

} // namespace ortavel::cli
