#include "ReplyCheck.h"

#include "Checksum.h"

namespace ortavel {

std::string checkReply(std::string_view received)
{
    if (received.size() <= 5)
        return std::string(kNoReply);
    const std::string_view inner = received.substr(1, received.size() - 4);
    // A second start is the rest of another reply run into this one; the
    // weak checksum may still fit the two together.
    if (inner.find('*') != std::string_view::npos)
        return std::string(kBadReply);
    std::string expected;
    expected.reserve(received.size());
    expected += '*';
    expected += inner;
    expected += PARITY_XORB(inner);
    expected += '\r';
    if (expected != received)
        return std::string(kBadReply);
    std::string result(received.substr(0, received.size() - 3));
    result += '\r';
    return result;
}

} // namespace ortavel
