#pragma once

#include "QuickSearchWait.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ortavel {

// The address that reaches every transmitter at once; none answers it.
inline constexpr const char *kEveryone = "AA";

class Clock;
class SerialPort;

// Whether an exchange that follows one without a good reply first lets the
// line fall quiet. Only the search skips it: its check needs the asked
// address twice, which no late reply from another address carries.
enum class AfterFailure : std::uint8_t { Drain, NoDrain };

// A reply that came for an earlier request after its wait had ended, and was
// discarded before the next request went out.
struct LateReply {
    std::string address;      // the earlier request's address text
    std::string request;      // its frame
    std::string bytes;        // what was discarded, as it came
    std::int64_t startMs = 0; // when the earlier request went out
    std::int64_t endMs = 0;   // when the last of the bytes was taken in
    int timeoutMs = 0;        // the earlier request's reply timeout
};

// "03 answers later than the 100 ms timeout; its values were not taken"
std::string lateReplyNotice(std::string_view address, int timeoutMs);

// One request and its reply on the serial port. Every failure is reported
// in the result text only; nothing is retried.
class Exchange {
public:
    Exchange(SerialPort &port, const Clock &clock);

    // Result: "*" + payload + CR, "ERR 0" + CR or "EER 3" + CR. After an
    // exchange without a good reply, the line is first drained until the
    // failed request has been out for twice its timeout and one character
    // time has passed in silence, so that its late reply is not taken as
    // this one's. With a quick wait, a reply whose first character has
    // not come by its deadline counts as none (never later than the
    // timeout); one begun in time is waited for as always.
    std::string Comm_Send(const std::string &send_addr, const std::string &send_comm,
                          AfterFailure afterFailure = AfterFailure::Drain,
                          const std::optional<QuickSearchWait> &quick = std::nullopt);

    // The request frame as it goes on the line.
    static std::string requestFrame(const std::string &send_addr, const std::string &send_comm);

    // The last exchange's request frame and the bytes received for it, as
    // they came (empty when nothing was written or received).
    const std::string &lastRequest() const { return m_lastRequest; }
    const std::string &lastReceived() const { return m_lastReceived; }
    // When the last exchange's request went out (after any drain).
    std::int64_t lastStartMs() const { return m_lastStart; }
    // The late reply the last exchange discarded before its request: bytes
    // that complete the earlier request's own good reply.
    const std::optional<LateReply> &lateReply() const { return m_late; }

private:
    // A request that went out and got no good reply of its own.
    struct Unanswered {
        std::string address;
        std::string request;
        std::string received;
        std::int64_t startMs = 0;
        std::int64_t endMs = 0;
        int timeoutMs = 0;
    };

    std::string collectReply(int timeoutMs, int firstCharacterMs, std::int64_t start);
    void drain(const Unanswered &failed);

    SerialPort &m_port;
    const Clock &m_clock;
    std::string m_lastRequest;
    std::string m_lastReceived;
    std::int64_t m_lastStart = 0;
    std::optional<Unanswered> m_unanswered;
    std::optional<LateReply> m_late;
};

} // namespace ortavel
