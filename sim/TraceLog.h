#pragma once

#include "TraceEntry.h"

#include <chrono>
#include <string>
#include <string_view>

namespace ortavel::sim {

// Lines for the --trace log: milliseconds on the steady clock since the
// simulator started, then what happened. Bytes outside printable ASCII are
// written as \r or \xNN.
class TraceLog {
public:
    explicit TraceLog(std::chrono::steady_clock::time_point start) : m_start(start) {}

    std::string requestLine(const TraceEntry &entry) const;
    std::string replyLine(const TraceEntry &entry) const;

    static std::string escaped(std::string_view bytes);

private:
    std::string stamp(std::chrono::steady_clock::time_point at) const;

    std::chrono::steady_clock::time_point m_start;
};

} // namespace ortavel::sim
