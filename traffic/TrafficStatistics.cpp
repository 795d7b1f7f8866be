#include "TrafficStatistics.h"

namespace ortavel {

void TrafficStatistics::add(const ExchangeRecord &record)
{
    // Its request is already counted, as no reply or a bad one.
    if (record.result == ExchangeResult::LateReply)
        return;
    Tally &tally = m_addresses[record.address];
    ++tally.exchanges;
    if (record.result == ExchangeResult::NoReply) {
        ++tally.noReply;
        return;
    }
    if (record.result == ExchangeResult::BadReply)
        ++tally.badReply;
    ++tally.replies;
    tally.totalMs += record.durationMs;
    ++tally.durations[record.durationMs];
}

std::vector<AddressStatistics> TrafficStatistics::rows() const
{
    std::vector<AddressStatistics> rows;
    rows.reserve(m_addresses.size());
    for (const auto &[address, tally] : m_addresses) {
        AddressStatistics row;
        row.address = address;
        row.exchanges = tally.exchanges;
        row.noReply = tally.noReply;
        row.badReply = tally.badReply;
        row.replies = tally.replies;
        if (tally.replies > 0) {
            row.meanMs = static_cast<double>(tally.totalMs) / static_cast<double>(tally.replies);
            row.longestMs = tally.durations.rbegin()->first;
            // Nearest rank: the smallest time at or below which 95 % lie.
            const std::int64_t rank = (tally.replies * 95 + 99) / 100;
            std::int64_t seen = 0;
            for (const auto &[ms, count] : tally.durations) {
                seen += count;
                if (seen >= rank) {
                    row.p95Ms = ms;
                    break;
                }
            }
        }
        rows.push_back(row);
    }
    return rows;
}

} // namespace ortavel
