#include "PortAddress.h"

#include "LineSettings.h"
#include "text/OperatorText.h"

#include <algorithm>
#include <charconv>

namespace ortavel {

namespace {

constexpr std::string_view kTcpScheme = "tcp://";
constexpr std::string_view kRfc2217Scheme = "rfc2217://";
constexpr int kMaxTcpPort = 65535;

std::optional<int> wholeNumberIn(std::string_view text, int low, int high)
{
    int value = 0;
    const char *end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < low || value > high)
        return std::nullopt;
    return value;
}

// "HOST:PORT" or "[V6]:PORT".
bool parseHostPort(std::string_view text, PortAddress &address, std::string &error)
{
    std::string_view host;
    std::string_view port;
    if (!text.empty() && text.front() == '[') {
        const auto close = text.find(']');
        if (close == std::string_view::npos || close + 1 >= text.size() || text[close + 1] != ':') {
            error = OT_TR("Ortavel", "an IPv6 address goes in brackets followed by :PORT");
            return false;
        }
        host = text.substr(1, close - 1);
        port = text.substr(close + 2);
    } else {
        const auto colon = text.rfind(':');
        if (colon == std::string_view::npos) {
            error = OT_TR("Ortavel", "the host needs a :PORT");
            return false;
        }
        host = text.substr(0, colon);
        port = text.substr(colon + 1);
        if (host.find(':') != std::string_view::npos) {
            error = OT_TR("Ortavel", "an IPv6 address goes in brackets followed by :PORT");
            return false;
        }
    }
    const bool hostOk = !host.empty() && std::all_of(host.begin(), host.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-' ||
               c == ':' || c == '_';
    });
    if (!hostOk) {
        error = OT_TR("Ortavel", "the host is empty or has characters no host name has");
        return false;
    }
    const auto number = wholeNumberIn(port, 1, kMaxTcpPort);
    if (!number) {
        error = OT_TR("Ortavel", "the TCP port takes a whole number from 1 to 65535");
        return false;
    }
    address.host = std::string(host);
    address.tcpPort = *number;
    return true;
}

bool applyOption(std::string_view option, PortAddress &address, std::string &error)
{
    const auto eq = option.find('=');
    const std::string_view key = option.substr(0, eq);
    const std::string_view value = eq == std::string_view::npos ? std::string_view() : option.substr(eq + 1);
    if (key == "baud") {
        if (address.kind != LinkKind::RawTcp) {
            error = OT_TR("Ortavel", "baud= is for raw TCP links only: elsewhere the rate is set on the line");
            return false;
        }
        const auto baud = wholeNumberIn(value, 0, kBaudRates.back());
        if (!baud || !bandIndexOfBaud(*baud)) {
            error = OT_TR("Ortavel", "baud takes 1200, 2400, 4800 or 9600");
            return false;
        }
        address.fixedBaud = baud;
        return true;
    }
    if (key == "allowance") {
        const auto ms = wholeNumberIn(value, 0, PortAddress::kMaxAllowanceMs);
        if (!ms) {
            error = fill(OT_TR("Ortavel", "allowance takes a whole number of milliseconds from 0 to %1"),
                         {std::to_string(PortAddress::kMaxAllowanceMs)});
            return false;
        }
        address.allowanceMs = *ms;
        return true;
    }
    if (key == "echo") {
        std::string why;
        const auto mode = parseEchoMode(value, why);
        if (!mode) {
            error = OT_TR("Ortavel", "echo takes off, on or auto");
            return false;
        }
        address.echo = *mode;
        return true;
    }
    error = fill(OT_TR("Ortavel", "unknown option \"%1\" (baud, allowance and echo are known)"), {key});
    return false;
}

} // namespace

std::string PortAddress::target() const
{
    if (kind == LinkKind::Device)
        return device;
    const std::string shownHost = host.find(':') != std::string::npos ? "[" + host + "]" : host;
    return std::string(kind == LinkKind::RawTcp ? kTcpScheme : kRfc2217Scheme) + shownHost + ":" +
           std::to_string(tcpPort);
}

std::string PortAddress::linkText() const
{
    std::string text;
    switch (kind) {
    case LinkKind::RawTcp:
        text = fill(OT_TR("Ortavel", "raw TCP, rate fixed at %1 baud by the server"),
                    {std::to_string(fixedBaud.value_or(kDefaultFixedBaud))});
        break;
    case LinkKind::Rfc2217:
        text = "RFC 2217";
        break;
    case LinkKind::Device:
        text = OT_TR("Ortavel", "serial device");
        break;
    }
    return fill(OT_TR("Ortavel", "%1, reply allowance %2 ms, echo %3"),
                {text, std::to_string(allowanceMs), echoModeName(echo)});
}

std::optional<PortAddress> parsePortAddress(std::string_view text, std::string &error)
{
    PortAddress address;
    const auto question = text.find('?');
    const std::string_view main = text.substr(0, question);
    if (main.substr(0, kTcpScheme.size()) == kTcpScheme) {
        address.kind = LinkKind::RawTcp;
        if (!parseHostPort(main.substr(kTcpScheme.size()), address, error))
            return std::nullopt;
        address.fixedBaud = PortAddress::kDefaultFixedBaud;
    } else if (main.substr(0, kRfc2217Scheme.size()) == kRfc2217Scheme) {
        address.kind = LinkKind::Rfc2217;
        if (!parseHostPort(main.substr(kRfc2217Scheme.size()), address, error))
            return std::nullopt;
    } else if (main.find("://") != std::string_view::npos) {
        error = OT_TR("Ortavel", "only tcp:// and rfc2217:// links are known");
        return std::nullopt;
    } else if (main.empty()) {
        error = OT_TR("Ortavel", "no device given");
        return std::nullopt;
    } else {
        address.device = std::string(main);
    }
    if (address.isNetwork())
        address.allowanceMs = PortAddress::kNetworkAllowanceMs;
    if (question != std::string_view::npos) {
        std::string_view options = text.substr(question + 1);
        while (true) {
            const auto amp = options.find('&');
            if (!applyOption(options.substr(0, amp), address, error))
                return std::nullopt;
            if (amp == std::string_view::npos)
                break;
            options.remove_prefix(amp + 1);
        }
    }
    return address;
}

bool isPortAddressText(std::string_view text)
{
    std::string error;
    const auto address = parsePortAddress(text, error);
    return address && (address->isNetwork() || address->device.front() == '/');
}

} // namespace ortavel
