#include "FrameSplitter.h"

namespace ortavel::sim {

std::vector<std::string> FrameSplitter::feed(std::string_view bytes)
{
    std::vector<std::string> frames;
    for (const char c : bytes) {
        if (c == '\r') {
            if (!m_overflow) {
                m_partial += c;
                frames.push_back(std::move(m_partial));
            }
            m_partial.clear();
            m_overflow = false;
        } else if (!m_overflow) {
            m_partial += c;
            if (m_partial.size() > kMaxFrame) {
                m_partial.clear();
                m_overflow = true;
            }
        }
    }
    return frames;
}

void FrameSplitter::clear()
{
    m_partial.clear();
    m_overflow = false;
}

} // namespace ortavel::sim
