#pragma once

#include <chrono>
#include <cstddef>

namespace ortavel::sim {

// How long things take on the simulated line.
struct WireTiming {
    std::chrono::nanoseconds turnaround = std::chrono::milliseconds(5);
    bool wireTime = true; // false: bytes cost no time, only the turnaround
    std::chrono::nanoseconds pieceGap = std::chrono::milliseconds(10);

    // Ten bits a character: start, eight data bits, stop.
    std::chrono::nanoseconds bytesTime(std::size_t count, int baud) const;
    // When a late reply is complete: well past the tool's reply timeout.
    static std::chrono::nanoseconds lateTime(int baud);
};

} // namespace ortavel::sim
