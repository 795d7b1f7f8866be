#pragma once

#include "Fault.h"

#include <chrono>
#include <optional>
#include <string>

namespace ortavel::sim {

// One request seen on the line and what the bus did with it.
struct TraceEntry {
    using TimePoint = std::chrono::steady_clock::time_point;

    std::string frame;   // as received, CR included
    int lineBaud = 0;    // the rate the tool had set when the CR arrived
    std::string address; // empty when the frame was rejected
    std::string command;
    std::string reply; // every byte put on the line for it, noise included
    Fault fault = Fault::None;
    int responders = 0;                // transmitters that answered
    std::string note;                  // why nothing was answered, or "cancelled" when a request cut the reply short
    TimePoint received{};              // when the request's CR arrived
    std::optional<TimePoint> replyEnd; // when the burst holding the reply's CR was written
};

} // namespace ortavel::sim
