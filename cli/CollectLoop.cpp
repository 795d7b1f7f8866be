#include "CollectLoop.h"

#include "Bus.h"
#include "Confirmation.h"
#include "ValueText.h"
#include "link/Commands.h"
#include "link/Numbers.h"

namespace ortavel::cli {

CollectLoop::CollectLoop(std::string address) : m_address(std::move(address)) {}

std::optional<PollRow> CollectLoop::tick(Bus &bus, std::int64_t timeMs)
{
    m_pollPressure = !m_pollPressure;
    ++m_polls;
    const std::string result = bus.send(m_address, std::string(m_pollPressure ? cmd::Pressure : cmd::Temperature));
    // Unlike the window, an error text is never taken for a value.
    const std::string data = isReplyFrom(result, m_address) ? replyData(result) : std::string();
    const auto value = strictNumber(data);
    if (!value) {
        ++(m_pollPressure ? m_failedPressure : m_failedTemperature);
        return std::nullopt;
    }
    if (m_pollPressure)
        takePressure(data, *value);
    else
        m_last.temperature = formatPattern(*value, kTemperaturePattern);
    m_last.timeMs = timeMs;
    return m_last;
}

void CollectLoop::takePressure(const std::string &data, double value)
{
    m_last.pressure = data;
    if (!m_max || value > *m_max) {
        m_max = value;
        m_maxText = data;
    }
    if (!m_min || value < *m_min) {
        m_min = value;
        m_minText = data;
    }
}

} // namespace ortavel::cli
