#pragma once

#include "LineSettingsParse.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ortavel {

// The client side of Telnet with COM port control (RFC 2217), as bytes: what
// to send for data and line settings, and the data in what the server sends.
// Plain code, so that what comes off the network can be tested and fuzzed
// without a socket.
class TelnetComPort {
public:
    // Which buffers of the server a purge empties.
    enum class Purge : std::uint8_t { Received = 1, ToSend = 2 };

    // Offers COM port control and binary data both ways, without go-ahead.
    std::string greeting();
    // Data as it goes on the connection: a 255 byte doubled.
    static std::string data(std::string_view bytes);
    // The four settings of a line, each its own request.
    static std::string lineSettings(const SerialLineConfig &config);
    static std::string purge(Purge which);

    // Takes bytes as received, in any split, and returns the data among
    // them; the answers owed to the server's negotiation are added to reply.
    std::string feed(std::string_view bytes, std::string &reply);

    // The rate the server last acknowledged; nothing before its first.
    std::optional<std::uint32_t> acknowledgedBaud() const { return m_acknowledgedBaud; }
    std::uint32_t baudAcknowledgements() const { return m_baudAcknowledgements; }
    // The server said it will not do COM port control.
    bool comPortRefused() const { return m_comPortRefused; }

private:
    enum class State : std::uint8_t { Data, Command, Option, Sub, SubCommand };

    void negotiate(std::uint8_t verb, std::uint8_t option, std::string &reply);
    void subnegotiation();

    State m_state = State::Data;
    std::uint8_t m_verb = 0;
    std::string m_sub;
    // Per option: what we do, what the server does, what we last asked.
    std::array<bool, 256> m_local{};
    std::array<bool, 256> m_remote{};
    std::array<bool, 256> m_localAsked{};
    std::array<bool, 256> m_remoteAsked{};
    std::optional<std::uint32_t> m_acknowledgedBaud;
    std::uint32_t m_baudAcknowledgements = 0;
    bool m_comPortRefused = false;
};

} // namespace ortavel
