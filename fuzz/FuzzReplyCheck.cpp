#include "FuzzInput.h"
#include "link/Checksum.h"
#include "link/ReplyCheck.h"

namespace {

// The result is the reply re-framing to exactly what was received, "ERR 0" or "EER 3"; every
// well-formed frame is taken, and a second "*" inside (another reply run into it) is not well-formed.
void checkResult(const std::string &received)
{
    using namespace ortavel;
    const std::string result = checkReply(received);
    fuzz::require(!result.empty() && result.back() == '\r', "result ends in CR");
    const bool wellFormed = received.size() > 5 && received.front() == '*' && received.back() == '\r' &&
                            received.find('*', 1) == std::string::npos &&
                            received.substr(received.size() - 3, 2) ==
                                PARITY_XORB(std::string_view(received).substr(1, received.size() - 4));
    if (result.front() == '*') {
        const std::string payload = result.substr(1, result.size() - 2);
        fuzz::require(payload.size() >= 2, "payload holds an address");
        fuzz::require("*" + payload + PARITY_XORB(payload) + "\r" == received, "re-framed reply equals received");
    } else if (received.size() <= 5) {
        fuzz::require(result == kNoReply, "short input gives ERR 0");
    } else {
        fuzz::require(result == kBadReply, "malformed input gives EER 3");
    }
    fuzz::require(wellFormed == (result.front() == '*'), "taken exactly when well-formed");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace ortavel;
    const std::string received(reinterpret_cast<const char *>(data), size);
    checkResult(received);
    // Random bytes are rarely a frame: also the input framed, and with one byte changed.
    const std::string framed = "*" + received + PARITY_XORB(received) + "\r";
    checkResult(framed);
    if (size > 0) {
        std::string changed = framed;
        const std::size_t at = data[0] % changed.size();
        changed[at] = static_cast<char>(changed[at] ^ (data[size - 1] | 1));
        checkResult(changed);
    }
    return 0;
}
