#include "FuzzInput.h"
#include "link/EchoFilter.h"
#include "support/FakeClock.h"
#include "support/FakeSerialPort.h"

#include <algorithm>

namespace {

using ortavel::EchoMode;
using ortavel::test::FakeReply;

// Input: a control byte (mode in bits 0-1, whether and how the written frame comes back
// first in bits 2-3, the wait in 4-7), then the written frame and received chunks separated by
// 0x1F, each chunk's first byte its delay in ms.
struct Script {
    EchoMode mode = EchoMode::Off;
    int waitMs = 0;
    std::string frame;
    std::vector<FakeReply> chunks;
};

Script parse(const std::uint8_t *data, std::size_t size)
{
    Script s;
    const std::uint8_t control = size > 0 ? data[0] : 0;
    constexpr EchoMode kModes[] = {EchoMode::Off, EchoMode::On, EchoMode::Auto};
    s.mode = kModes[(control & 3) % 3];
    s.waitMs = control >> 4;
    auto parts = ortavel::fuzz::splitInput(data + (size > 0 ? 1 : 0), size > 0 ? size - 1 : 0);
    s.frame = parts.front();
    if ((control & 4) != 0) {
        // The echo, whole or in two pieces that later chunks may come between.
        const std::size_t cut = (control & 8) != 0 ? s.frame.size() / 2 : s.frame.size();
        s.chunks.push_back({s.frame.substr(0, cut), 0});
        s.chunks.push_back({s.frame.substr(cut), 1});
    }
    for (std::size_t i = 1; i < parts.size(); ++i) {
        if (!parts[i].empty())
            s.chunks.push_back({parts[i].substr(1), static_cast<std::uint8_t>(parts[i][0])});
    }
    // The fake port takes an empty chunk for an arrival; a line has none.
    std::erase_if(s.chunks, [](const FakeReply &chunk) { return chunk.bytes.empty(); });
    return s;
}

// Everything received, in order of arrival (equal times in order of delivery).
std::string arrivalOrder(std::vector<FakeReply> chunks)
{
    std::stable_sort(chunks.begin(), chunks.end(), [](const auto &a, const auto &b) { return a.delayMs < b.delayMs; });
    std::string received;
    for (const auto &chunk : chunks)
        received += chunk.bytes;
    return received;
}

} // namespace

// What the filter hands on is what came, less one leading copy of the frame
// written (none with Off); bytes that are still only the start of the frame
// are held back. Nothing is invented or reordered, a wait that ends ready
// always has bytes to hand on, and On tells a missing echo exactly once.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace ortavel;
    const Script s = parse(data, size);
    test::FakeClock clock;
    test::FakeSerialPort port(clock);
    port.open();
    EchoFilter filter(port, clock, s.mode);
    int faults = 0;
    filter.onLineFault = [&](const std::string &) { ++faults; };
    fuzz::require(filter.write(s.frame), "write forwarded");
    fuzz::require(port.writes().size() == 1 && port.writes().front() == s.frame, "the frame written unchanged");
    for (const auto &chunk : s.chunks)
        port.deliver(chunk.bytes, chunk.delayMs);

    const std::string input = arrivalOrder(s.chunks);
    const bool filtering = s.mode != EchoMode::Off && !s.frame.empty();
    const bool echoFirst = filtering && input.starts_with(s.frame);
    const bool echoBegun = filtering && !echoFirst && s.frame.starts_with(input);
    const std::string expected = echoFirst ? input.substr(s.frame.size()) : echoBegun ? std::string() : input;

    std::int64_t lastArrival = clock.nowMs();
    for (const auto &chunk : s.chunks)
        lastArrival = std::max<std::int64_t>(lastArrival, clock.nowMs() + chunk.delayMs);
    std::string output;
    while (clock.nowMs() <= lastArrival) {
        const WaitResult result = filter.waitForInput(s.waitMs);
        fuzz::require(result != WaitResult::Failed, "an open port's wait does not fail");
        const std::string bytes = filter.readAvailable();
        fuzz::require(result != WaitResult::Ready || !bytes.empty(), "ready only with bytes to hand on");
        output += bytes;
        fuzz::require(expected.starts_with(output), "nothing invented or reordered");
        if (result == WaitResult::Timeout && s.waitMs == 0)
            clock.advance(1);
    }
    output += filter.readAvailable();
    fuzz::require(output == expected, "the input less at most one leading echo");
    const bool diverged = filtering && !echoFirst && !echoBegun;
    fuzz::require(faults == (s.mode == EchoMode::On && diverged ? 1 : 0), "a missing echo told once, only with on");
    return 0;
}
