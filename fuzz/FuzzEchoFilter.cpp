#include "FuzzInput.h"
#include "link/EchoFilter.h"
#include "support/FakeClock.h"
#include "support/FakeSerialPort.h"

#include <algorithm>

// Input: a control byte (bits 0-1 the mode; 2-3 the frame first back whole or in two pieces; 4-7 the wait), the
// written frame, then received chunks after 0x1F, each led by its delay in ms. Out comes the input less one leading
// copy of the frame (none with off), a mere start of it held back: nothing invented or reordered, a wait ends ready
// only with bytes to hand on, and on tells a missing echo exactly once.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace ortavel;
    if (size == 0)
        return 0;
    constexpr EchoMode kModes[] = {EchoMode::Off, EchoMode::On, EchoMode::Auto};
    const EchoMode mode = kModes[(data[0] & 3) % 3];
    const int waitMs = data[0] >> 4;
    const auto parts = fuzz::splitInput(data + 1, size - 1);
    const std::string &frame = parts.front();
    std::vector<test::FakeReply> chunks;
    if ((data[0] & 4) != 0) {
        const std::size_t cut = (data[0] & 8) != 0 ? frame.size() / 2 : frame.size();
        chunks = {{frame.substr(0, cut), 0}, {frame.substr(cut), 1}};
    }
    for (std::size_t i = 1; i < parts.size(); ++i) {
        if (!parts[i].empty())
            chunks.push_back({parts[i].substr(1), static_cast<std::uint8_t>(parts[i][0])});
    }
    // The fake port takes an empty chunk for an arrival; a line has none.
    std::erase_if(chunks, [](const auto &chunk) { return chunk.bytes.empty(); });
    std::stable_sort(chunks.begin(), chunks.end(), [](const auto &a, const auto &b) { return a.delayMs < b.delayMs; });
    std::string input;
    for (const auto &chunk : chunks)
        input += chunk.bytes;

    test::FakeClock clock;
    test::FakeSerialPort port(clock);
    port.open();
    EchoFilter filter(port, clock, mode);
    int faults = 0;
    filter.onLineFault = [&](const std::string &) { ++faults; };
    fuzz::require(filter.write(frame) && port.writes() == std::vector{frame}, "the frame written unchanged");
    const std::int64_t end = clock.nowMs() + (chunks.empty() ? 0 : chunks.back().delayMs);
    for (const auto &chunk : chunks)
        port.deliver(chunk.bytes, chunk.delayMs);

    const bool filtering = mode != EchoMode::Off && !frame.empty();
    const bool echoFirst = filtering && input.starts_with(frame);
    const bool echoBegun = filtering && !echoFirst && frame.starts_with(input);
    const std::string expected = echoFirst ? input.substr(frame.size()) : echoBegun ? std::string() : input;
    std::string output;
    while (clock.nowMs() <= end) {
        const WaitResult result = filter.waitForInput(waitMs);
        const std::string bytes = filter.readAvailable();
        fuzz::require(result != WaitResult::Failed, "an open port's wait does not fail");
        fuzz::require(result != WaitResult::Ready || !bytes.empty(), "ready only with bytes to hand on");
        output += bytes;
        fuzz::require(expected.starts_with(output), "nothing invented or reordered");
        if (result == WaitResult::Timeout && waitMs == 0)
            clock.advance(1);
    }
    output += filter.readAvailable();
    fuzz::require(output == expected, "the input less at most one leading echo");
    const bool diverged = filtering && !echoFirst && !echoBegun;
    fuzz::require(faults == (mode == EchoMode::On && diverged ? 1 : 0), "a missing echo told once, only with on");
    return 0;
}
