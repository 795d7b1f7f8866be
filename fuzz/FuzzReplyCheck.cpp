#include "FuzzInput.h"
#include "link/Checksum.h"
#include "link/ReplyCheck.h"

namespace {

// Whatever arrives, the result is exactly one of: the checked reply, whose
// re-framed checksum matches what was received, "ERR 0" or "EER 3"; and
// every well-formed frame is taken. A second "*" inside is another reply
// run into this one, never a well-formed frame.
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
    // Random bytes are rarely a frame: also judge the input framed as a
    // reply, and with one byte of it changed.
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
