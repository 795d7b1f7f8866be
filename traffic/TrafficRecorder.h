#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ortavel {

// What an exchange came to, read from its result text. A late reply is the
// bytes an earlier request's reply brought after its wait, discarded before
// the next request.
enum class ExchangeResult : std::uint8_t { Good, NoReply, BadReply, LateReply };

// "*..." is a good reply, "EER 3" a bad one, anything else (and "ERR 0")
// no reply.
ExchangeResult classifyResult(std::string_view result);
// "good", "no reply", "bad reply", "late reply".
const char *resultName(ExchangeResult result);

// One exchange as it went over the line.
struct ExchangeRecord {
    std::int64_t timeMs = 0; // monotonic, from the recorder's origin
    int baud = 0;            // the line rate in force, 0 when unknown
    std::string address;     // the address text sent
    std::string request;     // the request frame as written
    std::string reply;       // the bytes received, as they came
    ExchangeResult result = ExchangeResult::NoReply;
    std::int64_t durationMs = 0;
};

// The last exchanges, oldest first, in a ring of fixed capacity. Every
// record ever made has a sequence number; the ring holds those from
// firstSequence() up to, not including, endSequence(). Plain C++, on the
// window thread.
class TrafficRecorder {
public:
    static constexpr std::size_t kDefaultCapacity = 100000;

    explicit TrafficRecorder(std::size_t capacity = kDefaultCapacity);

    // The monotonic time that counts as 0 in the records.
    void setOrigin(std::int64_t originMs) { m_origin = originMs; }
    std::int64_t origin() const { return m_origin; }

    // Takes one exchange that started at startMs (monotonic) into the ring,
    // overwriting the oldest one when full; reuses the ring's strings.
    void record(std::int64_t startMs, std::int64_t endMs, int baud, std::string_view address, std::string_view request,
                std::string_view reply, std::string_view result);
    void record(std::int64_t startMs, std::int64_t endMs, int baud, std::string_view address, std::string_view request,
                std::string_view reply, ExchangeResult result);

    std::size_t capacity() const { return m_capacity; }
    std::size_t size() const { return static_cast<std::size_t>(m_end - m_first); }
    std::uint64_t firstSequence() const { return m_first; }
    std::uint64_t endSequence() const { return m_end; }
    // A record by its sequence number, which must lie in the ring.
    const ExchangeRecord &at(std::uint64_t sequence) const
    {
        return m_ring[static_cast<std::size_t>(sequence % m_capacity)];
    }
    // Forgets every record; sequence numbers go on.
    void clear() { m_first = m_end; }

private:
    std::size_t m_capacity;
    std::vector<ExchangeRecord> m_ring;
    std::uint64_t m_first = 0;
    std::uint64_t m_end = 0;
    std::int64_t m_origin = 0;
};

} // namespace ortavel
