#include "ResultPrediction.h"

#include "link/ReplyCheck.h"

namespace ortavel::bench {

std::string predictedResult(const sim::TraceEntry &entry)
{
    using sim::Fault;
    if (entry.responders == 0)
        return std::string(kNoReply);
    switch (entry.fault) {
    case Fault::None:
    case Fault::Pieces:
    case Fault::Bare:
        // The whole frame, less its checksum and CR, then the CR.
        return entry.reply.substr(0, entry.reply.size() - 3) + "\r";
    case Fault::Silent:
    case Fault::Late:
        return std::string(kNoReply);
    case Fault::BadChecksum:
    case Fault::LowerCaseChecksum:
    case Fault::NoiseBefore:
    case Fault::BytesAfter:
    case Fault::Collision:
        return std::string(kBadReply);
    case Fault::Stray:
    case Fault::StrayBefore:
        // Never drawn at random, so the soak does not meet them.
        return {};
    }
    return {};
}

} // namespace ortavel::bench
