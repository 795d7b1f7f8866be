#include "RequestParser.h"

#include "ValueText.h"
#include "link/Checksum.h"

namespace ortavel::sim {

namespace {
constexpr std::size_t kAddressLength = 2;
constexpr std::size_t kChecksumLength = 2;
constexpr std::size_t kMinCommandLength = 2;
// "$", address, command, checksum, CR
constexpr std::size_t kMinFrameLength = 1 + kAddressLength + kMinCommandLength + kChecksumLength + 1;

bool isAddress(std::string_view text)
{
    return text == "AA" || (isDigit(text[0]) && isDigit(text[1]));
}
} // namespace

std::optional<Request> parseRequest(std::string_view frame)
{
    if (frame.size() < kMinFrameLength || frame.front() != '$' || frame.back() != '\r')
        return std::nullopt;
    const std::string_view inner = frame.substr(1, frame.size() - 2);
    if (inner.find('\r') != std::string_view::npos)
        return std::nullopt;
    const std::string_view covered = inner.substr(0, inner.size() - kChecksumLength);
    const std::string_view checksum = inner.substr(inner.size() - kChecksumLength);
    if (checksum != PARITY_XORB(covered))
        return std::nullopt;
    const std::string_view address = covered.substr(0, kAddressLength);
    if (!isAddress(address))
        return std::nullopt;
    return Request{std::string(address), std::string(covered.substr(kAddressLength))};
}

} // namespace ortavel::sim
