#include "HistoryRecorder.h"

// Builds without the history (no Qt SQL where they run) keep the windows'
// recording calls but record nothing: there is no store to put it in.

namespace ortavel {

TimeStamp systemTimeStamp()
{
    return {};
}

HistoryRecorder::HistoryRecorder(HistorySink &sink, Origin origin, std::function<TimeStamp()> now)
    : m_sink(sink), m_origin(std::move(origin)), m_now(std::move(now))
{
}

void HistoryRecorder::setLine(std::string port, int baud)
{
    m_port = std::move(port);
    m_baud = baud;
}

void HistoryRecorder::exchanged(const std::string &, const std::string &, const std::string &) {}
void HistoryRecorder::newSelection(const std::string &) {}
void HistoryRecorder::snapshot(const std::string &, const std::vector<SnapshotField> &) {}
void HistoryRecorder::verification(const std::string &, const std::string &, const std::string &, const std::string &)
{
}
void HistoryRecorder::calibration(const std::string &, const std::string &, const std::string &, const std::string &) {}
void HistoryRecorder::interval(const Identity &, int) {}

Identity HistoryRecorder::identityOf(const std::string &) const
{
    return {};
}

std::string HistoryRecorder::valueOf(const std::string &, const std::string &) const
{
    return std::string(kNotRead);
}

} // namespace ortavel
