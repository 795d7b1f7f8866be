#pragma once

#include <cstddef>

namespace ortavel::bench {

// What the process holds and has used so far.
struct ResourceUse {
    std::size_t residentKiB = 0;
    int openFiles = 0;
    double threadCpuSeconds = 0; // the calling thread
    double processCpuSeconds = 0;

    static ResourceUse now();
};

} // namespace ortavel::bench
