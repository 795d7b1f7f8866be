#include "TraceLog.h"

#include <array>
#include <cstdio>

namespace ortavel::sim {

std::string TraceLog::escaped(std::string_view bytes)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '\r') {
            text += "\\r";
        } else if (c == '\\') {
            text += "\\\\";
        } else if (b < 0x20 || b > 0x7E) {
            text += "\\x";
            text += kHex[b >> 4];
            text += kHex[b & 0xF];
        } else {
            text += c;
        }
    }
    return text;
}

std::string TraceLog::stamp(std::chrono::steady_clock::time_point at) const
{
    const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(at - m_start).count();
    std::array<char, 32> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%10.3f ms", static_cast<double>(micros) / 1000.0);
    return buffer.data();
}

std::string TraceLog::requestLine(const TraceEntry &entry) const
{
    std::string line = stamp(entry.received) + "  rx " + std::to_string(entry.lineBaud) + "  " + escaped(entry.frame);
    if (!entry.note.empty())
        line += "  (" + entry.note + ")";
    return line;
}

std::string TraceLog::replyLine(const TraceEntry &entry) const
{
    const auto at = entry.replyEnd.value_or(entry.received);
    std::string line = stamp(at) + "  tx " + std::to_string(entry.lineBaud) + "  " + escaped(entry.reply) +
                       "  fault=" + std::string(faultName(entry.fault));
    if (entry.responders > 1)
        line += " responders=" + std::to_string(entry.responders);
    if (!entry.note.empty())
        line += "  (" + entry.note + ")";
    return line;
}

} // namespace ortavel::sim
