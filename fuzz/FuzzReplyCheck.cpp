#include "FuzzInput.h"
#include "link/Checksum.h"
#include "link/ReplyCheck.h"

// Whatever arrives, the result is exactly one of: the checked reply, whose
// re-framed checksum matches what was received, "ERR 0" or "EER 3".
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace ortavel;
    const std::string received(reinterpret_cast<const char *>(data), size);
    const std::string result = checkReply(received);
    fuzz::require(!result.empty() && result.back() == '\r', "result ends in CR");
    if (result.front() == '*') {
        const std::string payload = result.substr(1, result.size() - 2);
        fuzz::require(payload.size() >= 2, "payload holds an address");
        fuzz::require("*" + payload + PARITY_XORB(payload) + "\r" == received, "re-framed reply equals received");
    } else if (received.size() <= 5) {
        fuzz::require(result == kNoReply, "short input gives ERR 0");
    } else {
        fuzz::require(result == kBadReply, "malformed input gives EER 3");
    }
    return 0;
}
