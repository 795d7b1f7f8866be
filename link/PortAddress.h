#pragma once

#include "EchoFilter.h"

#include <optional>
#include <string>
#include <string_view>

namespace ortavel {

// How the bytes of a port reach the bus.
enum class LinkKind {
    Device,  // a serial device of this computer
    RawTcp,  // a device server's raw TCP port: its line settings are its own
    Rfc2217, // a device server speaking Telnet COM port control
};

// What the port map names behind a port number: a device path, or
// "tcp://HOST:PORT" or "rfc2217://HOST:PORT", each optionally followed by
// "?key=value&..." with baud (raw TCP only: the server's fixed rate),
// allowance (ms added to every reply wait) and echo (off, on, auto).
struct PortAddress {
    static constexpr int kMaxAllowanceMs = 1000;
    static constexpr int kNetworkAllowanceMs = 20;
    static constexpr int kDefaultFixedBaud = 9600;

    LinkKind kind = LinkKind::Device;
    std::string device; // the path of a device
    std::string host;   // a host name or address; an IPv6 address without brackets
    int tcpPort = 0;
    // The rate a raw TCP server's line is set to; the search asks only there.
    std::optional<int> fixedBaud;
    int allowanceMs = 0;
    EchoMode echo = kDefaultEchoMode;

    bool isNetwork() const { return kind != LinkKind::Device; }
    // "tcp://plc-7:4001" or the device path, without the options.
    std::string target() const;
    // For the operator: "raw TCP, rate fixed at 9600 baud by the server,
    // reply allowance 20 ms, echo auto".
    std::string linkText() const;
};

// Nothing, with the reason in error, for anything that is not one of the
// forms above (an unknown option, a rate other than the four, a port out of
// 1 to 65535, an allowance beyond kMaxAllowanceMs).
std::optional<PortAddress> parsePortAddress(std::string_view text, std::string &error);

// Whether a text in the settings' port map names a port: an absolute path
// or a network link that parses.
bool isPortAddressText(std::string_view text);

} // namespace ortavel
