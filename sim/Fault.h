#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace ortavel::sim {

// What can go wrong with one reply on the line.
enum class Fault {
    None,
    Silent,            // no reply at all
    BadChecksum,       // a checksum that does not fit the payload
    LowerCaseChecksum, // the right checksum in lower-case letters
    NoiseBefore,       // stray bytes ahead of the "*"
    BytesAfter,        // stray bytes behind the CR, in the same burst
    Pieces,            // the reply in several bursts with gaps
    Late,              // the reply complete only after the timeout of its rate
    Collision,         // a second transmitter answers at the same time
    Bare,              // a good frame that carries the address and no data
    Stray,             // another address's good frame instead of the reply
    StrayBefore,       // another address's good frame, then the reply
};

inline constexpr std::array<Fault, 9> kInjectableFaults = {
    Fault::Silent, Fault::BadChecksum, Fault::LowerCaseChecksum, Fault::NoiseBefore, Fault::BytesAfter,
    Fault::Pieces, Fault::Late,        Fault::Collision,         Fault::Bare,
};

// Drawn only when set: random faults keep the draws they had without them.
inline constexpr std::array<Fault, 2> kStrayFaults = {Fault::Stray, Fault::StrayBefore};

// "none", "silent", "bad-checksum", "lower-case-checksum", "noise-before",
// "bytes-after", "pieces", "late", "collision", "bare", "stray", "stray-before".
std::string_view faultName(Fault fault);
std::optional<Fault> faultFromName(std::string_view name);

} // namespace ortavel::sim
