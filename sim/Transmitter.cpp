#include "Transmitter.h"

#include "ValueText.h"
#include "link/LineSettings.h"
#include "link/Numbers.h"

namespace ortavel::sim {

namespace {
constexpr int kLastUnit = 6;
constexpr int kLastDecimals = 4;
constexpr int kLastBand = 3;
constexpr int kLastPoint = kCalibrationPoints - 1;

// Stores a value only when the text is one the transmitter can take.
template <typename T, typename Parse> void store(T &target, std::string_view text, Parse parse)
{
    if (const auto value = parse(text))
        target = *value;
}
} // namespace

Transmitter::Transmitter(const TransmitterConfig &config, std::uint64_t seed) : m_random(seed)
{
    m_state.config = config;
    m_state.user = config.working;
    m_state.factory = config.factory.value_or(config.working);
}

std::optional<std::string> Transmitter::answer(std::string_view command)
{
    if (command.size() < 2)
        return std::nullopt;
    const std::string_view letters = command.substr(0, 2);
    const std::string_view value = command.substr(2);
    if (auto reply = answerIdentity(letters, value))
        return reply;
    if (auto reply = answerDisplay(letters, value))
        return reply;
    if (auto reply = answerOutput(letters, value))
        return reply;
    if (auto reply = answerMeasuring(letters, value))
        return reply;
    if (auto reply = answerAreas(letters, value))
        return reply;
    return answerCalibration(letters, value);
}

std::optional<std::string> Transmitter::answerIdentity(std::string_view letters, std::string_view value)
{
    TransmitterConfig &config = m_state.config;
    if (letters == "AD") {
        if (value.empty())
            return addressText(config.address);
        m_pendingAddress = parseAddress(value);
        return addressText(m_pendingAddress.value_or(config.address));
    }
    if (letters == "BD") {
        const int current = bandIndexOfBaud(config.baud).value_or(kLastBand);
        if (value.empty())
            return codeText(current);
        const auto index = parseCode(value, 0, kLastBand);
        if (index)
            m_pendingBaud = kBaudRates[static_cast<std::size_t>(*index)];
        return codeText(index.value_or(current));
    }
    if (letters == "TY" || letters == "ID") {
        std::string &text = letters == "TY" ? config.working.type : config.working.ident;
        if (isStorableText(value))
            text = value;
        return text;
    }
    if (letters == "VR")
        return value.empty() ? std::optional<std::string>(config.version) : std::nullopt;
    return std::nullopt;
}

std::optional<std::string> Transmitter::answerDisplay(std::string_view letters, std::string_view value)
{
    const TransmitterConfig &config = m_state.config;
    DataArea &working = m_state.config.working;
    if (letters == "SL" || letters == "SH" || letters == "FU") {
        if (!value.empty())
            return std::nullopt;
        if (letters == "FU")
            return codeText(config.sensorUnit);
        return formatted(letters == "SL" ? config.sensorLow : config.sensorHigh);
    }
    if (letters == "DL" || letters == "DH") {
        double &target = letters == "DL" ? working.displayLow : working.displayHigh;
        if (!value.empty())
            store(target, value, [this](std::string_view text) { return spannedValue(text); });
        return formatted(target);
    }
    if (letters == "UT" || letters == "DP") {
        const bool unit = letters == "UT";
        int &target = unit ? working.unit : working.decimals;
        if (!value.empty())
            store(target, value,
                  [unit](std::string_view text) { return parseCode(text, 0, unit ? kLastUnit : kLastDecimals); });
        return codeText(target);
    }
    return std::nullopt;
}

std::optional<std::string> Transmitter::answerOutput(std::string_view letters, std::string_view value)
{
    DataArea &working = m_state.config.working;
    if (letters == "OL" || letters == "OH") {
        double &target = letters == "OL" ? working.outputLow : working.outputHigh;
        if (!value.empty())
            store(target, value, [this](std::string_view text) { return spannedValue(text); });
        return formatted(target);
    }
    if (letters == "ZF" || letters == "FF") {
        int &target = letters == "ZF" ? working.trimZero : working.trimFull;
        if (!value.empty())
            store(target, value, parseTrim);
        return trimValueText(target);
    }
    return std::nullopt;
}

std::optional<std::string> Transmitter::answerMeasuring(std::string_view letters, std::string_view value)
{
    if (letters == "RP" && value == "0")
        return pressureText();
    if (letters == "RT" && value == "0")
        return formatPattern(liveTemperature(), "0.00");
    if (letters == "SZ" && value.empty()) {
        m_state.zeroOffset = sensedPressure();
        return pressureText();
    }
    return std::nullopt;
}

std::optional<std::string> Transmitter::answerAreas(std::string_view letters, std::string_view value)
{
    if (!value.empty())
        return std::nullopt;
    if (letters == "WU")
        m_state.user = m_state.config.working;
    else if (letters == "WF")
        m_state.factory = m_state.config.working;
    else if (letters == "LD")
        m_state.config.working = m_state.factory;
    else
        return std::nullopt;
    return "OK";
}

std::optional<std::string> Transmitter::answerCalibration(std::string_view letters, std::string_view value)
{
    DataArea &working = m_state.config.working;
    if (letters == "PN") {
        if (!value.empty())
            store(working.pointCount, value,
                  [](std::string_view text) { return parseCode(text, 0, kCalibrationPoints); });
        return codeText(working.pointCount);
    }
    if (letters == "FC" || letters == "UC") {
        const auto point = parseCode(value.substr(0, 1), 0, kLastPoint);
        if (!point)
            return std::nullopt;
        auto &table = letters == "FC" ? working.measured : working.standard;
        double &target = table[static_cast<std::size_t>(*point)];
        if (value.size() > 1)
            store(target, value.substr(1), parseValue);
        return formatted(target);
    }
    return std::nullopt;
}

void Transmitter::commitPending()
{
    if (m_pendingAddress)
        m_state.config.address = *m_pendingAddress;
    if (m_pendingBaud)
        m_state.config.baud = *m_pendingBaud;
    m_pendingAddress.reset();
    m_pendingBaud.reset();
}

TransmitterState Transmitter::settledState() const
{
    TransmitterState settled = m_state;
    settled.config.address = m_pendingAddress.value_or(settled.config.address);
    settled.config.baud = m_pendingBaud.value_or(settled.config.baud);
    return settled;
}

double Transmitter::sensedPressure() const
{
    return m_state.config.pressure * m_state.config.pressureGain + m_state.config.pressureOffset;
}

double Transmitter::livePressure()
{
    return sensedPressure() - m_state.zeroOffset + noise(m_state.config.pressureNoise);
}

double Transmitter::liveTemperature()
{
    return m_state.config.temperature + noise(m_state.config.temperatureNoise);
}

std::optional<double> Transmitter::spannedValue(std::string_view text) const
{
    const auto value = parseValue(text);
    if (!value || *value < m_state.config.valueLow || *value > m_state.config.valueHigh)
        return std::nullopt;
    return value;
}

std::string Transmitter::formatted(double value) const
{
    return valueText(value, m_state.config.working.decimals);
}

std::string Transmitter::pressureText()
{
    return formatted(livePressure());
}

double Transmitter::noise(double width)
{
    if (width <= 0.0)
        return 0.0;
    std::uniform_real_distribution<double> spread(-width, width);
    return spread(m_random);
}

} // namespace ortavel::sim
