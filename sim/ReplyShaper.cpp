#include "ReplyShaper.h"

#include "link/Checksum.h"

#include <algorithm>
#include <cctype>

namespace ortavel::sim {

namespace {
constexpr std::size_t kPieces = 3;
constexpr int kMaxStrayBytes = 4;

// A few stray bytes as line noise makes them: anything but a CR, which
// would end the reply early.
std::string strayBytes(std::mt19937_64 &random)
{
    std::uniform_int_distribution<int> count(1, kMaxStrayBytes);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes;
    const int n = count(random);
    while (static_cast<int>(bytes.size()) < n) {
        const int b = byte(random);
        if (b != '\r')
            bytes += static_cast<char>(b);
    }
    return bytes;
}

std::vector<std::string> inPieces(const std::string &frame)
{
    if (frame.size() < kPieces)
        return {frame};
    std::vector<std::string> pieces;
    std::size_t begin = 0;
    for (std::size_t i = 1; i <= kPieces; ++i) {
        const std::size_t end = frame.size() * i / kPieces;
        pieces.push_back(frame.substr(begin, end - begin));
        begin = end;
    }
    return pieces;
}
} // namespace

std::string replyFrame(std::string_view payload)
{
    std::string frame = "*";
    frame += payload;
    frame += PARITY_XORB(payload);
    frame += '\r';
    return frame;
}

std::string interleave(const std::vector<std::string> &frames)
{
    std::size_t longest = 0;
    for (const auto &frame : frames)
        longest = std::max(longest, frame.size());
    std::string mixed;
    for (std::size_t i = 0; i < longest; ++i) {
        for (const auto &frame : frames) {
            if (i < frame.size())
                mixed += frame[i];
        }
    }
    return mixed;
}

ShapedReply shapeReply(const std::string &frame, Fault fault, std::mt19937_64 &random)
{
    // The checksum sits in the two bytes before the CR.
    const std::size_t checksumAt = frame.size() >= 3 ? frame.size() - 3 : 0;
    switch (fault) {
    case Fault::None:
    case Fault::Late:
        return {{frame}, fault};
    case Fault::Silent:
        return {{}, fault};
    case Fault::BadChecksum: {
        std::string bad = frame;
        const std::string_view payload(frame.data() + 1, checksumAt - 1);
        const std::string wrong = PARITY_XORB(std::string(payload) + '\x01');
        bad.replace(checksumAt, 2, wrong);
        return {{bad}, fault};
    }
    case Fault::LowerCaseChecksum: {
        std::string lower = frame;
        for (std::size_t i = checksumAt; i < checksumAt + 2; ++i)
            lower[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(lower[i])));
        return {{lower}, lower == frame ? Fault::None : fault};
    }
    case Fault::NoiseBefore:
        return {{strayBytes(random) + frame}, fault};
    case Fault::BytesAfter:
        return {{frame + strayBytes(random)}, fault};
    case Fault::Pieces:
        return {inPieces(frame), fault};
    case Fault::Collision:
        return {{interleave({frame, frame})}, fault};
    case Fault::Bare:
        if (frame.size() < 3)
            return {{frame}, Fault::None};
        return {{replyFrame(frame.substr(1, 2))}, fault};
    case Fault::Stray:
    case Fault::StrayBefore:
        // Another transmitter's frame: the bus makes it.
        return {{frame}, Fault::None};
    }
    return {{frame}, Fault::None};
}

} // namespace ortavel::sim
