#include "FuzzInput.h"
#include "link/Checksum.h"
#include "link/Exchange.h"
#include "sim/Bus.h"
#include "sim/DemoBus.h"
#include "sim/FrameSplitter.h"
#include "sim/RequestParser.h"

#include <array>

namespace {

using ortavel::sim::Request;

constexpr std::array<int, 5> kLineBauds = {9600, 4800, 2400, 1200, 0};

bool isAddress(const std::string &text)
{
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    return text == "AA" || (text.size() == 2 && digit(text[0]) && digit(text[1]));
}

// An accepted frame is exactly "$" + address + command + checksum + CR.
void checkParsed(std::string_view frame, const std::optional<Request> &request)
{
    using namespace ortavel;
    if (!request)
        return;
    fuzz::require(isAddress(request->address), "address is two digits or AA");
    fuzz::require(request->command.size() >= 2, "command has its letters");
    fuzz::require(request->command.find('\r') == std::string::npos, "no CR inside the command");
    const std::string covered = request->address + request->command;
    fuzz::require("$" + covered + PARITY_XORB(covered) + "\r" == frame, "re-frames to the same bytes");
}

} // namespace

// Whatever the line carries: no crash, what is accepted re-frames to the bytes received, a frame
// the tool builds is taken as meant, and the bus traces every frame and reply byte.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace ortavel;
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    checkParsed(bytes, sim::parseRequest(bytes));

    auto parts = fuzz::splitInput(data, size);
    parts.resize(2);
    const std::string built = Exchange::requestFrame(parts[0], parts[1]);
    const auto request = sim::parseRequest(built);
    checkParsed(built, request);
    const std::string covered = parts[0] + parts[1];
    const bool wellFormed =
        covered.size() >= 4 && isAddress(covered.substr(0, 2)) && covered.find('\r') == std::string::npos;
    fuzz::require(request.has_value() == wellFormed, "a well-formed request is accepted, nothing else");
    if (request)
        fuzz::require(request->address + request->command == covered, "covered text given back");
    if (request && isAddress(parts[0]))
        fuzz::require(request->address == parts[0] && request->command == parts[1], "fields given back");

    // The line as the simulator reads it.
    sim::FrameSplitter splitter;
    sim::Bus bus(sim::demoBus(), sim::WireTiming{});
    const int lineBaud = kLineBauds[(size > 0 ? data[0] : 0) % kLineBauds.size()];
    for (std::size_t begin = 0; begin < size;) {
        const std::size_t length = std::min<std::size_t>(1 + data[begin] % 64, size - begin);
        for (const auto &frame : splitter.feed(bytes.substr(begin, length))) {
            fuzz::require(!frame.empty() && frame.back() == '\r', "frames end in CR");
            fuzz::require(frame.size() <= sim::FrameSplitter::kMaxFrame + 1, "frames are bounded");
            const auto plan = bus.onFrame(frame, lineBaud);
            fuzz::require(plan.entry.frame == frame, "trace holds the frame");
            const auto parsed = sim::parseRequest(frame);
            fuzz::require(parsed.has_value() == !plan.entry.address.empty(), "traced address iff accepted");
            std::string reply;
            for (const auto &burst : plan.bursts)
                reply += burst.bytes;
            fuzz::require(reply == plan.entry.reply, "trace holds every reply byte");
            bus.commitPending();
        }
        begin += length;
    }
    return 0;
}
