#include "Exchange.h"

#include "Checksum.h"
#include "Clock.h"
#include "Commands.h"
#include "LineSettings.h"
#include "ReplyCheck.h"
#include "SerialPort.h"
#include "text/OperatorText.h"

#include <algorithm>

namespace ortavel {

namespace {

// One character on the line, rounded up to whole milliseconds; at least 1.
int characterTimeMs(const std::string &settings)
{
    const int baud = baudOfSettings(settings).value_or(0);
    if (baud <= 0)
        return 1;
    return std::max(1, (kBitsPerCharacter * kMsPerSecond + baud - 1) / baud);
}

} // namespace

std::string lateReplyNotice(std::string_view address, int timeoutMs)
{
    return fill(OT_TR("Ortavel", "%1 answers later than the %2 ms timeout; its values were not taken"),
                {address, std::to_string(timeoutMs)});
}

Exchange::Exchange(SerialPort &port, const Clock &clock) : m_port(port), m_clock(clock) {}

std::string Exchange::requestFrame(const std::string &send_addr, const std::string &send_comm)
{
    const std::string covered = send_addr + send_comm;
    return "$" + covered + PARITY_XORB(covered) + "\r";
}

std::string Exchange::Comm_Send(const std::string &send_addr, const std::string &send_comm, AfterFailure afterFailure,
                                const std::optional<QuickSearchWait> &quick)
{
    const int lineTimeoutMs = replyTimeoutMs(m_port.settings());
    const int timeoutMs = lineTimeoutMs > 0 ? lineTimeoutMs + m_port.allowanceMs() : 0;
    m_lastRequest = requestFrame(send_addr, send_comm);
    m_lastReceived.clear();
    m_late.reset();
    m_lastStart = m_clock.nowMs();
    const std::string &frame = m_lastRequest;

    // A closed or failing port must neither hang nor crash the caller.
    if (!m_port.isOpen()) {
        m_lastRequest.clear();
        return std::string(kNoReply);
    }
    if (m_unanswered && afterFailure == AfterFailure::Drain) {
        drain(*m_unanswered);
        m_unanswered.reset();
    }
    m_port.discardInput();
    m_port.discardOutput();
    const std::int64_t start = m_clock.nowMs();
    m_lastStart = start;
    if (!m_port.write(frame))
        return std::string(kNoReply);
    const int firstCharacterMs =
        quick
            ? std::min(timeoutMs, quick->firstCharacterMs(frame.size(), baudOfSettings(m_port.settings()).value_or(0)) +
                                      m_port.allowanceMs() + m_port.latencyMs())
            : timeoutMs;
    m_lastReceived = collectReply(timeoutMs, firstCharacterMs, start);
    std::string result = checkReply(m_lastReceived);
    // A good frame from another address may be an earlier request's late
    // reply; this request's own may still be on its way. Nobody answers the
    // address of all transmitters, so nothing of it comes late.
    if (isReplyFrom(result, send_addr) || send_addr == kEveryone)
        m_unanswered.reset();
    else
        m_unanswered = Unanswered{send_addr, frame, m_lastReceived, start, m_clock.nowMs(), timeoutMs};
    return result;
}

// Read passes until a CR has arrived or the time is up; between passes the
// wait blocks on the port instead of spinning. Until the first character
// the time is up at its own deadline.
std::string Exchange::collectReply(int timeoutMs, int firstCharacterMs, std::int64_t start)
{
    std::string received;
    for (;;) {
        received += m_port.readAvailable();
        const std::int64_t elapsed = m_clock.nowMs() - start;
        const int limitMs = received.empty() ? firstCharacterMs : timeoutMs;
        if (received.find('\r') != std::string::npos || elapsed >= limitMs)
            return received;
        const auto remaining = static_cast<int>(limitMs - elapsed);
        if (m_port.waitForInput(remaining) == WaitResult::Failed)
            return {};
    }
}

// Discards what arrives until the failed request has been out for twice its
// timeout and the line has been quiet for a character time. A line that
// never falls quiet is given up one timeout later; step 4's discard takes
// the rest.
void Exchange::drain(const Unanswered &failed)
{
    const std::int64_t deadline = failed.startMs + 2 * static_cast<std::int64_t>(failed.timeoutMs);
    const int quietMs = characterTimeMs(m_port.settings());
    const std::int64_t giveUp = deadline + failed.timeoutMs + quietMs;
    // A port may hold back what came until asked; with that taken in, an
    // empty buffer means nothing came since the failed exchange's last read.
    if (m_port.waitForInput(0) == WaitResult::Failed)
        return;
    std::int64_t lastArrival = failed.endMs;
    std::string discarded;
    for (;;) {
        const std::string bytes = m_port.readAvailable();
        const std::int64_t now = m_clock.nowMs();
        if (!bytes.empty()) {
            discarded += bytes;
            lastArrival = now;
        }
        const std::int64_t wait = std::min(std::max(deadline, lastArrival + quietMs), giveUp) - now;
        if (wait <= 0 || m_port.waitForInput(static_cast<int>(wait)) == WaitResult::Failed)
            break;
    }
    // Noise is dropped unreported; a late reply is told.
    if (!discarded.empty() && isReplyFrom(checkReply(failed.received + discarded), failed.address))
        m_late = LateReply{failed.address, failed.request, discarded, failed.startMs, lastArrival, failed.timeoutMs};
}

} // namespace ortavel
