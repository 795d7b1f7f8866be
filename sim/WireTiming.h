#pragma once

#include <chrono>
#include <cstddef>

namespace ortavel::sim {

// How long things take on the simulated line.
struct WireTiming {
    std::chrono::nanoseconds turnaround = std::chrono::milliseconds(5);
    bool wireTime = true; // false: bytes cost no time, only the turnaround
    std::chrono::nanoseconds pieceGap = std::chrono::milliseconds(10);
    // How long after the tool's reply timeout a late reply is complete,
    // drawn anew for each: within the wait of the tool's next request.
    std::chrono::milliseconds lateMin{5};
    std::chrono::milliseconds lateMax{100};

    // Ten bits a character: start, eight data bits, stop.
    std::chrono::nanoseconds bytesTime(std::size_t count, int baud) const;
    // When a late reply is complete, counted from the start of its request
    // as the tool counts its timeout.
    static std::chrono::nanoseconds lateTime(int baud, std::chrono::nanoseconds pastTimeout);
};

} // namespace ortavel::sim
