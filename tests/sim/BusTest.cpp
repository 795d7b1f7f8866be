#include "sim/Bus.h"
#include "SimBusBuilder.h"
#include "link/Exchange.h"
#include "link/ReplyCheck.h"
#include "sim/ReplyShaper.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <numeric>
#include <set>
#include <string>

namespace ortavel::sim {
namespace {

using namespace std::chrono_literals;
using std::chrono::milliseconds;
using std::chrono::nanoseconds;

using test::at;

BusConfig threeRates()
{
    BusConfig bus;
    bus.transmitters = {at(1, 9600, "A"), at(7, 4800, "B"), at(12, 2400, "C")};
    return bus;
}

std::string frame(const std::string &address, const std::string &command)
{
    return Exchange::requestFrame(address, command);
}

std::string allBytes(const ReplyPlan &plan)
{
    std::string bytes;
    for (const auto &burst : plan.bursts)
        bytes += burst.bytes;
    return bytes;
}

TEST(Bus, IgnoresUnknownAddressesCommandsAndBadFrames)
{
    Bus bus(threeRates(), WireTiming{});
    EXPECT_TRUE(bus.onFrame(frame("02", "TY"), 9600).bursts.empty());
    EXPECT_TRUE(bus.onFrame(frame("01", "QQ"), 9600).bursts.empty());
    const ReplyPlan bad = bus.onFrame("$01TY0D\r", 9600);
    EXPECT_TRUE(bad.bursts.empty());
    EXPECT_TRUE(bad.entry.address.empty());
    EXPECT_EQ(bad.entry.note, "rejected frame");
    // A line not at 8N1 (reported as rate 0) reaches nobody.
    EXPECT_TRUE(bus.onFrame(frame("01", "TY"), 0).bursts.empty());
}

TEST(Bus, BroadcastReachesEveryTransmitterAtTheRateAndIsAnsweredByNone)
{
    BusConfig config = threeRates();
    config.transmitters.push_back(at(30, 9600, "D"));
    Bus bus(config, WireTiming{});
    const ReplyPlan plan = bus.onFrame(frame("AA", "TYSAME"), 9600);
    EXPECT_TRUE(plan.bursts.empty());
    EXPECT_EQ(plan.entry.responders, 2);
    const auto states = bus.states();
    EXPECT_EQ(states[0].config.working.type, "SAME");
    EXPECT_EQ(states[3].config.working.type, "SAME");
    EXPECT_EQ(states[1].config.working.type, "B"); // another rate

    EXPECT_TRUE(bus.onFrame(frame("AA", "WU"), 9600).bursts.empty());
    EXPECT_EQ(bus.states()[0].user.type, "SAME");
}

TEST(Bus, TwoTransmittersOnOneAddressCollide)
{
    BusConfig config;
    config.transmitters = {at(5, 9600, "ONE"), at(5, 9600, "TWO")};
    Bus bus(config, WireTiming{});
    const ReplyPlan plan = bus.onFrame(frame("05", "TY"), 9600);
    EXPECT_EQ(plan.entry.fault, Fault::Collision);
    EXPECT_EQ(plan.entry.responders, 2);
    EXPECT_EQ(allBytes(plan), interleave({"*05ONE41\r", "*05TWO49\r"}));
    EXPECT_EQ(checkReply(allBytes(plan)), kBadReply);
}

// The tool's own end-to-end test sees the new address work; here, that it waits for the reply.
TEST(Bus, NewAddressWaitsForTheReply)
{
    Bus bus(threeRates(), WireTiming{});
    const ReplyPlan plan = bus.onFrame(frame("01", "AD33"), 9600);
    EXPECT_EQ(allBytes(plan), "*013301\r") << "the old address answers with the new one";
    EXPECT_TRUE(plan.commitPending);
    EXPECT_EQ(plan.commitAt, plan.bursts.back().at);
    EXPECT_EQ(bus.states()[0].config.address, 1);
    EXPECT_EQ(bus.settledStates()[0].config.address, 33) << "the next request finds it at the new one";
}

TEST(Bus, ReplyIsCompleteAfterRequestTurnaroundAndReplyOnTheWire)
{
    WireTiming timing;
    timing.turnaround = milliseconds(5);
    Bus bus(threeRates(), timing);
    // 8 request bytes and 7 reply bytes of 10 bits at 2400 baud.
    const ReplyPlan plan = bus.onFrame(frame("12", "TY"), 2400);
    // The first character once it is on the line, the rest with the last.
    ASSERT_EQ(plan.bursts.size(), 2U);
    EXPECT_EQ(plan.bursts[0].at, nanoseconds(8LL * 10 * 1'000'000'000LL / 2400) + milliseconds(5) +
                                     nanoseconds(10 * 1'000'000'000LL / 2400));
    EXPECT_EQ(plan.bursts[1].at, nanoseconds(8LL * 10 * 1'000'000'000LL / 2400) + milliseconds(5) +
                                     nanoseconds(7LL * 10 * 1'000'000'000LL / 2400));
    EXPECT_TRUE(plan.bursts[1].completesReply);

    timing.wireTime = false;
    Bus fast(threeRates(), timing);
    EXPECT_EQ(fast.onFrame(frame("12", "TY"), 2400).bursts[0].at, milliseconds(5));
}

TEST(Bus, PiecesComeWithGapsAndLateRepliesAfterTheTimeout)
{
    WireTiming timing;
    Bus bus(threeRates(), timing);
    ASSERT_EQ(bus.setFault(1, {Fault::Pieces, 0.0}), 1);
    const ReplyPlan pieces = bus.onFrame(frame("01", "TY"), 9600);
    ASSERT_EQ(pieces.bursts.size(), 3U);
    EXPECT_GE(pieces.bursts[1].at - pieces.bursts[0].at, timing.pieceGap);
    EXPECT_GE(pieces.bursts[2].at - pieces.bursts[1].at, timing.pieceGap);
    EXPECT_FALSE(pieces.bursts[0].completesReply);
    EXPECT_TRUE(pieces.bursts[2].completesReply);
    EXPECT_LT(pieces.bursts[2].at, milliseconds(100)) << "still within the 9600 baud timeout";

    for (const int rate : {9600, 2400}) {
        const int address = rate == 9600 ? 1 : 12;
        const int timeoutMs = rate == 9600 ? 100 : 250;
        bus.setFault(address, {Fault::Late, 0.0});
        // Within the next request's wait: 5 to 100 ms after the timeout, not always the same.
        std::set<std::chrono::nanoseconds> times;
        for (int i = 0; i < 20; ++i) {
            const ReplyPlan late = bus.onFrame(frame(rate == 9600 ? "01" : "12", "TY"), rate);
            ASSERT_EQ(late.bursts.size(), 1U);
            EXPECT_GE(late.bursts[0].at, milliseconds(timeoutMs + 5));
            EXPECT_LE(late.bursts[0].at, milliseconds(timeoutMs + 100));
            EXPECT_EQ(late.entry.fault, Fault::Late);
            times.insert(late.bursts[0].at);
        }
        EXPECT_GT(times.size(), 1U);
    }
}

TEST(Bus, FaultsChangeOnlyTheReplyNotWhatTheTransmitterDoes)
{
    const struct {
        Fault fault;
        std::string command;
        std::string bytes; // all that goes on the line
    } rows[] = {
        {Fault::Silent, "TYMUTE", ""},
        // A stray is another address's answer to the same command; the write reaches only 01.
        {Fault::Stray, "TYMUTE", replyFrame("07MUTE")},
        {Fault::Stray, "TY", replyFrame("07B")},
        {Fault::StrayBefore, "TYMUTE", replyFrame("07MUTE") + replyFrame("01MUTE")},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(faultName(row.fault)) + " " + row.command);
        Bus bus(threeRates(), WireTiming{});
        bus.setFault(1, {row.fault, 0.0});
        const ReplyPlan plan = bus.onFrame(frame("01", row.command), 9600);
        EXPECT_EQ(allBytes(plan), row.bytes);
        EXPECT_EQ(plan.entry.fault, row.fault);
        EXPECT_EQ(bus.states()[0].config.working.type, row.command.size() > 2 ? "MUTE" : "A");
        EXPECT_EQ(bus.states()[1].config.working.type, "B");
    }
}

TEST(Bus, RandomFaultsFollowTheSeedAndTheProbability)
{
    const auto run = [](std::uint64_t seed, double probability) {
        BusConfig config = threeRates();
        config.seed = seed;
        config.transmitters[0].fault.randomProbability = probability;
        Bus bus(config, WireTiming{});
        std::vector<Fault> faults;
        faults.reserve(400);
        for (int i = 0; i < 400; ++i)
            faults.push_back(bus.onFrame(frame("01", "RT0"), 9600).entry.fault);
        return faults;
    };
    const auto a = run(3, 0.1);
    EXPECT_EQ(a, run(3, 0.1));
    EXPECT_NE(a, run(4, 0.1));
    const auto spoiled = std::count_if(a.begin(), a.end(), [](Fault f) { return f != Fault::None; });
    EXPECT_GT(spoiled, 10);
    EXPECT_LT(spoiled, 80);

    const auto always = run(3, 1.0);
    std::set<Fault> kinds(always.begin(), always.end());
    EXPECT_GE(kinds.size(), 7U) << "every kind of fault is drawn";
    EXPECT_EQ(kinds.count(Fault::Stray) + kinds.count(Fault::StrayBefore), 0U) << "strays only when set";
    const auto never = run(3, 0.0);
    EXPECT_TRUE(std::all_of(never.begin(), never.end(), [](Fault f) { return f == Fault::None; }));
}

std::string joined(const ShapedReply &shaped)
{
    return std::accumulate(shaped.bursts.begin(), shaped.bursts.end(), std::string());
}

// "01" + "25.46" has the checksum 2A: a letter to lower-case.
const std::string kFrame = replyFrame("0125.46");

TEST(ReplyShaper, BytesOfEachFault)
{
    std::mt19937_64 random(11);
    ASSERT_EQ(kFrame, "*0125.462A\r");

    EXPECT_TRUE(shapeReply(kFrame, Fault::Silent, random).bursts.empty());

    const std::string bad = joined(shapeReply(kFrame, Fault::BadChecksum, random));
    EXPECT_EQ(bad.size(), kFrame.size());
    EXPECT_EQ(bad.substr(0, 8), kFrame.substr(0, 8));
    EXPECT_NE(bad.substr(8, 2), "2A");
    EXPECT_EQ(bad.substr(8, 2).find_first_not_of("0123456789ABCDEF"), std::string::npos);

    EXPECT_EQ(joined(shapeReply(kFrame, Fault::LowerCaseChecksum, random)), "*0125.462a\r");

    for (int i = 0; i < 20; ++i) {
        const std::string noisy = joined(shapeReply(kFrame, Fault::NoiseBefore, random));
        ASSERT_GT(noisy.size(), kFrame.size());
        EXPECT_EQ(noisy.substr(noisy.size() - kFrame.size()), kFrame);
        EXPECT_EQ(noisy.find('\r'), noisy.size() - 1);

        const auto after = shapeReply(kFrame, Fault::BytesAfter, random);
        ASSERT_EQ(after.bursts.size(), 1U) << "stray bytes go with the frame";
        EXPECT_GT(after.bursts[0].size(), kFrame.size());
        EXPECT_EQ(after.bursts[0].substr(0, kFrame.size()), kFrame);
    }

    for (const auto &piece : shapeReply(kFrame, Fault::Pieces, random).bursts)
        EXPECT_FALSE(piece.empty());
    EXPECT_EQ(joined(shapeReply(kFrame, Fault::Collision, random)), interleave({kFrame, kFrame}));
}

TEST(ReplyShaper, LowerCaseOfADigitOnlyChecksumIsNoFault)
{
    std::mt19937_64 random(1);
    const std::string frame = replyFrame("0101"); // checksum 00
    const ShapedReply shaped = shapeReply(frame, Fault::LowerCaseChecksum, random);
    EXPECT_EQ(shaped.applied, Fault::None);
    EXPECT_EQ(joined(shaped), frame);
}

TEST(ReplyShaper, InterleavesByteByByte)
{
    EXPECT_EQ(interleave({"abc", "12345"}), "a1b2c345");
    EXPECT_EQ(interleave({"*0101\r", "*0202\r"}), "**00120012\r\r");
}

TEST(Fault, NamesGoBothWays)
{
    EXPECT_EQ(faultFromName("none"), Fault::None);
    for (const Fault fault : kInjectableFaults)
        EXPECT_EQ(faultFromName(faultName(fault)), fault);
    for (const Fault fault : kStrayFaults)
        EXPECT_EQ(faultFromName(faultName(fault)), fault);
    EXPECT_EQ(faultFromName("Silent"), std::nullopt);
}

} // namespace
} // namespace ortavel::sim
