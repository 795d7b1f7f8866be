#pragma once

#include "TransmitterState.h"

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace ortavel::sim {

// One transmitter: its parameters, stored areas and live values, and how
// it answers each command. A new address or rate written with AD or BD is
// held back until commitPending(), because the reply still leaves from the
// old address at the old rate.
class Transmitter {
public:
    Transmitter(const TransmitterConfig &config, std::uint64_t seed);

    int address() const { return m_state.config.address; }
    int baud() const { return m_state.config.baud; }
    const TransmitterState &state() const { return m_state; }

    const FaultSetting &faultSetting() const { return m_state.config.fault; }
    void setFaultSetting(const FaultSetting &setting) { m_state.config.fault = setting; }
    void setPressure(double pressure, double offset, double gain)
    {
        m_state.config.pressure = pressure;
        m_state.config.pressureOffset = offset;
        m_state.config.pressureGain = gain;
    }

    // The reply data for a command text, or nothing for a command that this
    // transmitter does not know (it then stays silent).
    std::optional<std::string> answer(std::string_view command);

    bool hasPending() const { return m_pendingAddress.has_value() || m_pendingBaud.has_value(); }
    void commitPending();
    // The state as the next request finds it: the line moves on to a new
    // address or rate before that request is answered.
    TransmitterState settledState() const;

    // The live values as the transmitter reports them now.
    double sensedPressure() const;
    double livePressure();
    double liveTemperature();

private:
    std::optional<std::string> answerIdentity(std::string_view letters, std::string_view value);
    std::optional<std::string> answerDisplay(std::string_view letters, std::string_view value);
    std::optional<std::string> answerOutput(std::string_view letters, std::string_view value);
    std::optional<std::string> answerMeasuring(std::string_view letters, std::string_view value);
    std::optional<std::string> answerAreas(std::string_view letters, std::string_view value);
    std::optional<std::string> answerCalibration(std::string_view letters, std::string_view value);

    std::optional<double> spannedValue(std::string_view text) const;
    std::string formatted(double value) const;
    std::string pressureText();
    double noise(double width);

    TransmitterState m_state;
    std::optional<int> m_pendingAddress;
    std::optional<int> m_pendingBaud;
    std::mt19937_64 m_random;
};

} // namespace ortavel::sim
