#include "Confirmation.h"

#include "ValueText.h"
#include "WritePlan.h"
#include "link/Commands.h"

namespace ortavel::cli {

bool isConfirmed(const PlannedWrite &write, std::string_view result, std::string_view address)
{
    switch (write.expect) {
    case Expect::BaudEcho:
        return isBaudConfirmed(result, address, write.value);
    case Expect::Stored:
        return isStored(result, address);
    case Expect::Text:
    case Expect::Number:
        break;
    }
    const bool fromTarget =
        isReplyFrom(result, address) || (!write.newAddress.empty() && isReplyFrom(result, write.newAddress));
    if (!fromTarget)
        return false;
    const std::string data = replyData(result);
    if (write.expect == Expect::Text)
        return data == write.value;
    const auto got = strictNumber(data);
    const auto sent = strictNumber(write.value);
    return got && sent && *got == *sent;
}

} // namespace ortavel::cli
