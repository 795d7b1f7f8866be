#include "TelnetComPort.h"

namespace ortavel {

namespace {

constexpr std::uint8_t kSe = 240;
constexpr std::uint8_t kSb = 250;
constexpr std::uint8_t kWill = 251;
constexpr std::uint8_t kWont = 252;
constexpr std::uint8_t kDo = 253;
constexpr std::uint8_t kDont = 254;
constexpr std::uint8_t kIac = 255;

constexpr std::uint8_t kBinary = 0;
constexpr std::uint8_t kSuppressGoAhead = 3;
constexpr std::uint8_t kComPort = 44;

// COM port control requests; the server answers each with 100 added.
constexpr std::uint8_t kSetBaud = 1;
constexpr std::uint8_t kSetDataSize = 2;
constexpr std::uint8_t kSetParity = 3;
constexpr std::uint8_t kSetStopSize = 4;
constexpr std::uint8_t kPurgeData = 12;
constexpr std::uint8_t kServerOffset = 100;

constexpr std::size_t kBaudBytes = 4;
// Longer subnegotiations are nothing this client reads; only their end is.
constexpr std::size_t kMaxSubnegotiation = 64;

bool wanted(std::uint8_t option)
{
    return option == kBinary || option == kSuppressGoAhead || option == kComPort;
}

std::string command(std::uint8_t verb, std::uint8_t option)
{
    return {static_cast<char>(kIac), static_cast<char>(verb), static_cast<char>(option)};
}

// IAC SB COM-PORT-OPTION request value... IAC SE, a 255 in the value doubled.
std::string comPortRequest(std::uint8_t request, std::string_view value)
{
    std::string text{static_cast<char>(kIac), static_cast<char>(kSb), static_cast<char>(kComPort),
                     static_cast<char>(request)};
    text += TelnetComPort::data(value);
    text += static_cast<char>(kIac);
    text += static_cast<char>(kSe);
    return text;
}

std::uint8_t parityCode(LineParity parity)
{
    switch (parity) {
    case LineParity::Odd:
        return 2;
    case LineParity::Even:
        return 3;
    case LineParity::Mark:
        return 4;
    case LineParity::Space:
        return 5;
    case LineParity::None:
        break;
    }
    return 1;
}

std::uint8_t stopSizeCode(LineStopBits stopBits)
{
    switch (stopBits) {
    case LineStopBits::Two:
        return 2;
    case LineStopBits::OneAndHalf:
        return 3;
    case LineStopBits::One:
        break;
    }
    return 1;
}

} // namespace

std::string TelnetComPort::greeting()
{
    std::string text;
    for (const std::uint8_t option : {kComPort, kBinary, kSuppressGoAhead}) {
        text += command(kWill, option);
        m_localAsked[option] = true;
    }
    for (const std::uint8_t option : {kBinary, kSuppressGoAhead}) {
        text += command(kDo, option);
        m_remoteAsked[option] = true;
    }
    return text;
}

std::string TelnetComPort::data(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        text += c;
        if (static_cast<std::uint8_t>(c) == kIac)
            text += c;
    }
    return text;
}

std::string TelnetComPort::lineSettings(const SerialLineConfig &config)
{
    const auto baud = static_cast<std::uint32_t>(config.baud);
    const std::string baudBytes{static_cast<char>((baud >> 24U) & 0xFFU), static_cast<char>((baud >> 16U) & 0xFFU),
                                static_cast<char>((baud >> 8U) & 0xFFU), static_cast<char>(baud & 0xFFU)};
    return comPortRequest(kSetBaud, baudBytes) +
           comPortRequest(kSetDataSize, std::string(1, static_cast<char>(config.dataBits))) +
           comPortRequest(kSetParity, std::string(1, static_cast<char>(parityCode(config.parity)))) +
           comPortRequest(kSetStopSize, std::string(1, static_cast<char>(stopSizeCode(config.stopBits))));
}

std::string TelnetComPort::purge(Purge which)
{
    return comPortRequest(kPurgeData, std::string(1, static_cast<char>(which)));
}

std::string TelnetComPort::feed(std::string_view bytes, std::string &reply)
{
    std::string out;
    for (const char c : bytes) {
        const auto byte = static_cast<std::uint8_t>(c);
        switch (m_state) {
        case State::Data:
            if (byte == kIac)
                m_state = State::Command;
            else
                out += c;
            break;
        case State::Command:
            if (byte == kIac) {
                out += c;
                m_state = State::Data;
            } else if (byte >= kWill && byte <= kDont) {
                m_verb = byte;
                m_state = State::Option;
            } else if (byte == kSb) {
                m_sub.clear();
                m_state = State::Sub;
            } else {
                // NOP, go-ahead and their kin carry nothing for a serial line.
                m_state = State::Data;
            }
            break;
        case State::Option:
            negotiate(m_verb, byte, reply);
            m_state = State::Data;
            break;
        case State::Sub:
            if (byte == kIac)
                m_state = State::SubCommand;
            else if (m_sub.size() < kMaxSubnegotiation)
                m_sub += c;
            break;
        case State::SubCommand:
            if (byte == kSe) {
                subnegotiation();
                m_state = State::Data;
            } else {
                // A doubled 255 is a value byte; anything else is taken as one too.
                if (m_sub.size() < kMaxSubnegotiation)
                    m_sub += c;
                m_state = State::Sub;
            }
            break;
        }
    }
    return out;
}

// Each side answers only a change of state, so that two programs never
// answer each other for ever.
void TelnetComPort::negotiate(std::uint8_t verb, std::uint8_t option, std::string &reply)
{
    switch (verb) {
    case kDo:
        if (wanted(option)) {
            if (!m_local[option] && !m_localAsked[option])
                reply += command(kWill, option);
            m_local[option] = true;
        } else {
            reply += command(kWont, option);
        }
        m_localAsked[option] = false;
        break;
    case kDont:
        if (option == kComPort)
            m_comPortRefused = true;
        if (m_local[option] || m_localAsked[option])
            reply += command(kWont, option);
        m_local[option] = false;
        m_localAsked[option] = false;
        break;
    case kWill:
        // The server's echo of our data would be read as the reply.
        if (wanted(option) && option != kComPort) {
            if (!m_remote[option] && !m_remoteAsked[option])
                reply += command(kDo, option);
            m_remote[option] = true;
        } else {
            reply += command(kDont, option);
        }
        m_remoteAsked[option] = false;
        break;
    case kWont:
        if (m_remote[option] || m_remoteAsked[option])
            reply += command(kDont, option);
        m_remote[option] = false;
        m_remoteAsked[option] = false;
        break;
    default:
        break;
    }
}

void TelnetComPort::subnegotiation()
{
    if (m_sub.size() < 2 || static_cast<std::uint8_t>(m_sub[0]) != kComPort)
        return;
    const auto request = static_cast<std::uint8_t>(m_sub[1]);
    if (request == kSetBaud + kServerOffset && m_sub.size() == 2 + kBaudBytes) {
        std::uint32_t baud = 0;
        for (std::size_t i = 0; i < kBaudBytes; ++i)
            baud = (baud << 8U) | static_cast<std::uint8_t>(m_sub[2 + i]);
        m_acknowledgedBaud = baud;
        ++m_baudAcknowledgements;
    }
    // Line and modem state notices and the other answers are not needed:
    // the exchange judges every reply by itself.
}

} // namespace ortavel
