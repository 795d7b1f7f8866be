#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ortavel::sim {

// Cuts the bytes that arrive from the tool into frames, each ended by a CR.
// A run of more than kMaxFrame bytes without a CR is dropped up to and
// including its CR, so a flood of garbage cannot grow the buffer.
class FrameSplitter {
public:
    static constexpr std::size_t kMaxFrame = 512;

    // The frames completed by these bytes, CR included, in order.
    std::vector<std::string> feed(std::string_view bytes);
    void clear();

private:
    std::string m_partial;
    bool m_overflow = false;
};

} // namespace ortavel::sim
