#pragma once

#include "TrafficRecorder.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace ortavel {

// Per address: how many exchanges, how many got no reply or a bad one, and
// the response time of those that got a reply (good or bad; a missing reply
// has no response time, only the timeout).
struct AddressStatistics {
    std::string address;
    std::int64_t exchanges = 0;
    std::int64_t noReply = 0;
    std::int64_t badReply = 0;
    std::int64_t replies = 0;
    double meanMs = 0;
    std::int64_t p95Ms = 0; // nearest rank
    std::int64_t longestMs = 0;
};

// Statistics taken incrementally, one record at a time, since the last
// clear; the durations are kept as a histogram of whole milliseconds.
class TrafficStatistics {
public:
    void add(const ExchangeRecord &record);
    void clear() { m_addresses.clear(); }
    // One row per address, in address order.
    std::vector<AddressStatistics> rows() const;

private:
    struct Tally {
        std::int64_t exchanges = 0;
        std::int64_t noReply = 0;
        std::int64_t badReply = 0;
        std::int64_t replies = 0;
        std::int64_t totalMs = 0;
        std::map<std::int64_t, std::int64_t> durations;
    };
    std::map<std::string, Tally> m_addresses;
};

} // namespace ortavel
