#include "FuzzInput.h"
#include "link/Exchange.h"
#include "link/LineSettings.h"
#include "link/ReplyCheck.h"
#include "support/FakeClock.h"
#include "support/FakeSerialPort.h"

#include <algorithm>
#include <array>
#include <set>

namespace {

using ortavel::test::FakeReply;

constexpr std::array<const char *, 6> kSettings = {"1200,N,8,1", "2400,N,8,1",  "4800,N,8,1",
                                                   "9600,N,8,1", "19200,N,8,1", "9600,E,7,1"};
constexpr int kMsPerDelayStep = 4;

// Input: settings selector, flags, then chunks of [delay][length][bytes].
struct Script {
    std::string settings;
    bool leftover = false; // the first chunk already waits in the buffer
    int failingWaits = -1; // the port fails after this many waits; -1 never
    std::vector<FakeReply> chunks;
};

Script parse(const std::uint8_t *data, std::size_t size)
{
    Script s;
    s.settings = kSettings[(size > 0 ? data[0] : 0) % kSettings.size()];
    const std::uint8_t flags = size > 1 ? data[1] : 0;
    s.leftover = (flags & 1) != 0;
    if ((flags & 2) != 0)
        s.failingWaits = (flags >> 2) & 3;
    std::size_t i = 2;
    while (i + 2 <= size) {
        const std::size_t length = std::min<std::size_t>(data[i + 1], size - i - 2);
        s.chunks.push_back(
            {std::string(reinterpret_cast<const char *>(data + i + 2), length), data[i] * kMsPerDelayStep});
        i += 2 + length;
    }
    return s;
}

// What a careful reader has when it stops: passes at the start and at every
// arrival within the timeout, ending at the first pass holding a CR.
std::string expectedReceived(std::vector<FakeReply> chunks, int timeoutMs)
{
    std::stable_sort(chunks.begin(), chunks.end(), [](const auto &a, const auto &b) { return a.delayMs < b.delayMs; });
    std::set<int> passes = {0, timeoutMs};
    for (const auto &c : chunks) {
        if (c.delayMs <= timeoutMs)
            passes.insert(c.delayMs);
    }
    std::string received;
    std::size_t next = 0;
    for (const int now : passes) {
        while (next < chunks.size() && chunks[next].delayMs <= now)
            received += chunks[next++].bytes;
        if (received.find('\r') != std::string::npos || now >= timeoutMs)
            break;
    }
    return received;
}

bool isResultForm(const std::string &result)
{
    return result == ortavel::kNoReply || result == ortavel::kBadReply ||
           (result.size() >= 4 && result.front() == '*' && result.back() == '\r');
}

} // namespace

// The result is the reply check of exactly the bytes that arrived within the
// wait, however split; earlier and later bytes do not matter; no spinning.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace ortavel;
    Script s = parse(data, size);
    test::FakeClock clock;
    test::FakeSerialPort port(clock);
    port.open();
    port.setSettings(s.settings);
    if (s.leftover && !s.chunks.empty()) {
        port.deliver(s.chunks.front().bytes);
        s.chunks.erase(s.chunks.begin());
    }
    port.waitsBeforeFailing = s.failingWaits;
    port.setResponder([&](const std::string &) -> std::optional<FakeReply> {
        for (const auto &chunk : s.chunks)
            port.deliver(chunk.bytes, chunk.delayMs);
        return std::nullopt;
    });

    Exchange exchange(port, clock);
    const std::string result = exchange.Comm_Send("01", "TY");
    fuzz::require(port.writes().size() == 1 && port.writes().front() == Exchange::requestFrame("01", "TY"),
                  "exactly the request frame written");
    fuzz::require(isResultForm(result), "one of the three result forms");
    const int timeoutMs = replyTimeoutMs(s.settings);
    fuzz::require(port.reads() <= static_cast<int>(s.chunks.size()) + 2, "one read pass per arrival");
    if (s.failingWaits >= 0)
        return 0;
    fuzz::require(result == checkReply(expectedReceived(s.chunks, timeoutMs)), "judged on the bytes received");

    clock.advance(4000);
    port.setResponder(nullptr);
    fuzz::require(exchange.Comm_Send("01", "TY") == kNoReply, "late bytes discarded");
    return 0;
}
