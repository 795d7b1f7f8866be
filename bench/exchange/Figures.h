#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace ortavel::bench {

// The value below which the share p of the values lie.
inline double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(std::lround(p * static_cast<double>(values.size() - 1)));
    return values[index];
}

// Ten bits a byte: start, eight data bits, stop.
inline double wireSeconds(std::size_t bytes, int baud)
{
    return static_cast<double>(bytes) * 10.0 / baud;
}

} // namespace ortavel::bench
