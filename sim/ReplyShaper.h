#pragma once

#include "Fault.h"

#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace ortavel::sim {

// The bytes of one reply as they go on the line, and the fault that was
// really applied (a lower-case checksum without letters is no fault).
struct ShapedReply {
    std::vector<std::string> bursts; // written one after the other, with gaps; none when silent
    Fault applied = Fault::None;
};

// "*" + payload + checksum + CR.
std::string replyFrame(std::string_view payload);

// Two or more frames sent at once, their bytes interleaved one by one.
std::string interleave(const std::vector<std::string> &frames);

// Spoils a good reply frame with a fault. Late replies keep their bytes;
// their timing is the bus's business.
ShapedReply shapeReply(const std::string &frame, Fault fault, std::mt19937_64 &random);

} // namespace ortavel::sim
