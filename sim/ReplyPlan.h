#pragma once

#include "TraceEntry.h"

#include <chrono>
#include <string>
#include <vector>

namespace ortavel::sim {

// One burst of reply bytes, due at an offset from the request's arrival.
struct Burst {
    std::chrono::nanoseconds at{0};
    std::string bytes;
    bool completesReply = false; // holds the reply's final CR
};

// What the bus does about one request: bursts to write and when the new
// address or rate written with it takes effect.
struct ReplyPlan {
    TraceEntry entry;
    std::vector<Burst> bursts;
    bool commitPending = false;
    std::chrono::nanoseconds commitAt{0};
};

} // namespace ortavel::sim
