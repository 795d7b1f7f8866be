#include "Bus.h"

#include "ReplyShaper.h"
#include "RequestParser.h"
#include "ValueText.h"

#include <algorithm>

namespace ortavel::sim {

namespace {
constexpr int kMaxAddress = 99;

// Each transmitter's noise has its own stream, so adding one to a bus does
// not change the values of the others.
std::uint64_t transmitterSeed(std::uint64_t seed, std::size_t index)
{
    return seed * 0x9E3779B97F4A7C15ULL + index + 1;
}
} // namespace

Bus::Bus(const BusConfig &config, const WireTiming &timing) : m_timing(timing), m_random(config.seed)
{
    m_transmitters.reserve(config.transmitters.size());
    for (std::size_t i = 0; i < config.transmitters.size(); ++i)
        m_transmitters.emplace_back(config.transmitters[i], transmitterSeed(config.seed, i));
}

ReplyPlan Bus::onFrame(std::string_view frame, int lineBaud)
{
    ReplyPlan plan;
    plan.entry.frame = frame;
    plan.entry.lineBaud = lineBaud;
    const auto request = parseRequest(frame);
    if (!request) {
        plan.entry.note = "rejected frame";
        return plan;
    }
    plan.entry.address = request->address;
    plan.entry.command = request->command;
    const bool broadcast = request->address == "AA";

    std::vector<std::string> frames;
    FaultSetting faultSetting;
    const Transmitter *answering = nullptr;
    for (auto &transmitter : m_transmitters) {
        if (transmitter.baud() != lineBaud || (!broadcast && addressText(transmitter.address()) != request->address))
            continue;
        auto data = transmitter.answer(request->command);
        if (!data)
            continue;
        if (transmitter.hasPending())
            plan.commitPending = true;
        faultSetting = transmitter.faultSetting();
        answering = &transmitter;
        frames.push_back(replyFrame(request->address + *data));
    }
    if (broadcast) {
        plan.entry.note = "broadcast";
        plan.entry.responders = static_cast<int>(frames.size());
        return plan;
    }
    if (frames.empty()) {
        plan.entry.note = "no answer";
        return plan;
    }
    plan.entry.responders = static_cast<int>(frames.size());

    ShapedReply shaped;
    std::size_t longest = 0;
    for (const auto &f : frames)
        longest = std::max(longest, f.size());
    const Fault fault = frames.size() > 1 ? Fault::Collision : drawFault(faultSetting);
    if (frames.size() > 1) {
        shaped = {{interleave(frames)}, Fault::Collision};
    } else if (fault == Fault::Stray || fault == Fault::StrayBefore) {
        const std::string stray = strayFrame(*answering, request->command);
        shaped = {{fault == Fault::Stray ? stray : stray + frames.front()}, fault};
        longest = shaped.bursts.front().size();
    } else {
        shaped = shapeReply(frames.front(), fault, m_random);
    }
    planBursts(plan, shaped, longest, frame.size(), lineBaud);
    return plan;
}

void Bus::planBursts(ReplyPlan &plan, const ShapedReply &shaped, std::size_t longest, std::size_t requestBytes,
                     int baud)
{
    plan.entry.fault = shaped.applied;
    const auto start = m_timing.bytesTime(requestBytes, baud) + m_timing.turnaround;
    std::chrono::nanoseconds at = start + m_timing.bytesTime(longest, baud);
    if (shaped.applied == Fault::Pieces) {
        std::size_t sent = 0;
        for (std::size_t i = 0; i < shaped.bursts.size(); ++i) {
            sent += shaped.bursts[i].size();
            const auto due = start + m_timing.bytesTime(sent, baud) + static_cast<long>(i) * m_timing.pieceGap;
            plan.bursts.push_back({due, shaped.bursts[i], i + 1 == shaped.bursts.size()});
            plan.entry.reply += shaped.bursts[i];
        }
        at = plan.bursts.back().at;
    } else {
        if (shaped.applied == Fault::Late) {
            std::uniform_int_distribution<std::int64_t> past(m_timing.lateMin.count(),
                                                             std::max(m_timing.lateMin, m_timing.lateMax).count());
            at = std::max(at, WireTiming::lateTime(baud, std::chrono::milliseconds(past(m_random))));
        } else if (shaped.applied == Fault::NoiseBefore || shaped.applied == Fault::BytesAfter)
            at = start + m_timing.bytesTime(shaped.bursts.empty() ? 0 : shaped.bursts.front().size(), baud);
        for (const auto &bytes : shaped.bursts) {
            // A reply on time shows its first character once that is on the
            // line, as a serial port does, not when the whole has been sent.
            const auto firstAt = start + m_timing.bytesTime(1, baud);
            if (shaped.applied != Fault::Late && bytes.size() > 1 && firstAt < at) {
                plan.bursts.push_back({firstAt, bytes.substr(0, 1), false});
                plan.bursts.push_back({at, bytes.substr(1), true});
            } else {
                plan.bursts.push_back({at, bytes, true});
            }
            plan.entry.reply += bytes;
        }
    }
    plan.commitAt = at;
}

// Another transmitter's answer to the same command, as if it had heard it:
// asked of a copy, so that a write changes nothing on the line.
std::string Bus::strayFrame(const Transmitter &answering, std::string_view command) const
{
    for (const auto &other : m_transmitters) {
        if (other.address() == answering.address())
            continue;
        Transmitter copy = other;
        if (const auto data = copy.answer(command))
            return replyFrame(addressText(other.address()) + *data);
    }
    Transmitter copy = answering;
    return replyFrame(addressText(answering.address() % kMaxAddress + 1) + copy.answer(command).value_or(""));
}

void Bus::commitPending()
{
    for (auto &transmitter : m_transmitters)
        transmitter.commitPending();
}

Fault Bus::drawFault(const FaultSetting &setting)
{
    if (setting.fault != Fault::None || setting.randomProbability <= 0.0)
        return setting.fault;
    std::bernoulli_distribution spoil(std::min(setting.randomProbability, 1.0));
    if (!spoil(m_random))
        return Fault::None;
    std::uniform_int_distribution<std::size_t> pick(0, kInjectableFaults.size() - 1);
    return kInjectableFaults[pick(m_random)];
}

int Bus::setFault(int address, const FaultSetting &setting)
{
    int count = 0;
    for (auto &transmitter : m_transmitters) {
        if (transmitter.address() == address) {
            transmitter.setFaultSetting(setting);
            ++count;
        }
    }
    return count;
}

int Bus::setPressure(int address, double pressure, double offset, double gain)
{
    int count = 0;
    for (auto &transmitter : m_transmitters) {
        if (transmitter.address() == address) {
            transmitter.setPressure(pressure, offset, gain);
            ++count;
        }
    }
    return count;
}

std::vector<TransmitterState> Bus::states() const
{
    std::vector<TransmitterState> states;
    states.reserve(m_transmitters.size());
    for (const auto &transmitter : m_transmitters)
        states.push_back(transmitter.state());
    return states;
}

std::vector<TransmitterState> Bus::settledStates() const
{
    std::vector<TransmitterState> states;
    states.reserve(m_transmitters.size());
    for (const auto &transmitter : m_transmitters)
        states.push_back(transmitter.settledState());
    return states;
}

} // namespace ortavel::sim
