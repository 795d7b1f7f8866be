#include "TrafficRecorder.h"

#include "text/OperatorText.h"

#include <algorithm>

namespace ortavel {

ExchangeResult classifyResult(std::string_view result)
{
    if (!result.empty() && result.front() == '*')
        return ExchangeResult::Good;
    if (result.starts_with("EER 3"))
        return ExchangeResult::BadReply;
    return ExchangeResult::NoReply;
}

const char *resultName(ExchangeResult result)
{
    switch (result) {
    case ExchangeResult::Good:
        return OT_TR("Ortavel", "good");
    case ExchangeResult::BadReply:
        return OT_TR("Ortavel", "bad reply");
    case ExchangeResult::LateReply:
        return OT_TR("Ortavel", "late reply");
    case ExchangeResult::NoReply:
        break;
    }
    return OT_TR("Ortavel", "no reply");
}

TrafficRecorder::TrafficRecorder(std::size_t capacity) : m_capacity(std::max<std::size_t>(capacity, 1)) {}

void TrafficRecorder::record(std::int64_t startMs, std::int64_t endMs, int baud, std::string_view address,
                             std::string_view request, std::string_view reply, std::string_view result)
{
    record(startMs, endMs, baud, address, request, reply, classifyResult(result));
}

void TrafficRecorder::record(std::int64_t startMs, std::int64_t endMs, int baud, std::string_view address,
                             std::string_view request, std::string_view reply, ExchangeResult result)
{
    // The ring grows to its capacity once; afterwards slots are reused with
    // their strings' storage.
    if (m_ring.size() < m_capacity)
        m_ring.emplace_back();
    ExchangeRecord &slot = m_ring[static_cast<std::size_t>(m_end % m_capacity)];
    slot.timeMs = startMs - m_origin;
    slot.baud = baud;
    slot.address.assign(address);
    slot.request.assign(request);
    slot.reply.assign(reply);
    slot.result = result;
    slot.durationMs = endMs - startMs;
    ++m_end;
    if (m_end - m_first > m_capacity)
        m_first = m_end - m_capacity;
}

} // namespace ortavel
