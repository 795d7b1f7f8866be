#include "HistoryEntry.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace ortavel {

std::string_view kindName(EntryKind kind)
{
    switch (kind) {
    case EntryKind::Write:
        return OT_TR("Ortavel", "write");
    case EntryKind::Snapshot:
        return OT_TR("Ortavel", "snapshot");
    case EntryKind::Verification:
        return OT_TR("Ortavel", "verification");
    case EntryKind::Calibration:
        return OT_TR("Ortavel", "calibration");
    case EntryKind::Interval:
        return OT_TR("Ortavel", "interval");
    }
    return "write";
}

bool kindFromName(std::string_view name, EntryKind &kind)
{
    for (const EntryKind k : {EntryKind::Write, EntryKind::Snapshot, EntryKind::Verification, EntryKind::Calibration,
                              EntryKind::Interval}) {
        if (kindName(k) == name) {
            kind = k;
            return true;
        }
    }
    return false;
}

namespace {

void addField(std::string &text, std::string_view field)
{
    text += std::to_string(field.size());
    text += ':';
    text += field;
}

} // namespace

std::string canonicalText(const HistoryEntry &e)
{
    std::string text;
    for (const std::string &field : {std::to_string(e.id),
                                     std::string(kindName(e.kind)),
                                     std::to_string(e.timeMs),
                                     std::to_string(e.utcOffsetMinutes),
                                     e.origin.login,
                                     e.origin.operatorName,
                                     e.origin.host,
                                     e.origin.program,
                                     e.port,
                                     std::to_string(e.baud),
                                     e.address,
                                     e.identity.type,
                                     e.identity.ident,
                                     e.identity.version,
                                     e.identity.sensorLow,
                                     e.identity.sensorHigh,
                                     e.parameter,
                                     e.before,
                                     e.sent,
                                     e.echo,
                                     e.result,
                                     e.detail})
        addField(text, field);
    return text;
}

std::string timeText(std::int64_t timeMs, int utcOffsetMinutes)
{
    const std::int64_t localMs = timeMs + std::int64_t{utcOffsetMinutes} * 60000;
    const auto seconds = static_cast<std::time_t>(localMs >= 0 ? localMs / 1000 : (localMs - 999) / 1000);
    const auto millis = static_cast<int>(localMs - std::int64_t{seconds} * 1000);
    std::tm t{};
#ifdef _WIN32
    gmtime_s(&t, &seconds);
#else
    gmtime_r(&seconds, &t);
#endif
    const int offset = std::abs(utcOffsetMinutes);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03d%c%02d:%02d", t.tm_year + 1900, t.tm_mon + 1,
                  t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec, millis, utcOffsetMinutes < 0 ? '-' : '+', offset / 60,
                  offset % 60);
    return text;
}

} // namespace ortavel
