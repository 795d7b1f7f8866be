#include "link/Exchange.h"
#include "link/Commands.h"
#include "link/EchoFilter.h"
#include "link/LineSettings.h"
#include "support/FakeClock.h"
#include "support/FakeSerialPort.h"

#include <gtest/gtest.h>

namespace ortavel {
namespace {

using test::FakeClock;
using test::FakeReply;
using test::FakeSerialPort;

class ExchangeTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(port.open()); }

    // Answers every request with these pieces, each at its own delay.
    void answerWith(const std::vector<FakeReply> &pieces)
    {
        port.setResponder([this, pieces](const std::string &) -> std::optional<FakeReply> {
            if (pieces.empty())
                return std::nullopt;
            for (std::size_t i = 1; i < pieces.size(); ++i)
                port.deliver(pieces[i].bytes, pieces[i].delayMs);
            return pieces.front();
        });
    }

    FakeClock clock;
    FakeSerialPort port{clock};
    Exchange exchange{port, clock};
};

TEST_F(ExchangeTest, WritesTheFrameAfterDiscardingBothBuffers)
{
    exchange.Comm_Send("01", "TY");
    EXPECT_EQ(port.writes().size(), 1U);
    const auto &calls = port.calls();
    const auto at = [&](const std::string &name) {
        return std::find(calls.begin(), calls.end(), name) - calls.begin();
    };
    EXPECT_LT(at("discardInput"), at("discardOutput"));
    EXPECT_LT(at("discardOutput"), at("write"));
}

enum class PortTrouble { None, Closed, WriteFails, ReadFails };

// The wait ends at the first CR or at the timeout of the rate (none for other settings). A quick
// wait ends too once the first character is overdue: 9 request characters and one reply character
// on the wire (rounded up) + 30 + 20 ms.
TEST_F(ExchangeTest, JudgesWhatArrivedInTime)
{
    const std::string frame = FakeSerialPort::replyFrame("01+012.34");
    const std::string good = "*01+012.34\r";
    const auto none = PortTrouble::None;
    const std::optional<QuickSearchWait> quick = QuickSearchWait{};
    const struct {
        const char *name;
        std::vector<FakeReply> pieces;
        std::string result;
        int elapsedMs;
        std::string settings = "9600,N,8,1";
        std::string leftover = {}; // the tail of a late reply, waiting in the buffer
        PortTrouble trouble = PortTrouble::None;
        std::optional<QuickSearchWait> wait = {};
        int allowanceMs = 0; // the link's, on every wait
        int latencyMs = 0;   // the adapter's, on the quick wait only
    } rows[] = {
        {"silent at 9600", {}, "ERR 0\r", 100},
        {"silent at 4800", {}, "ERR 0\r", 150, "4800,N,8,1"},
        {"silent at 2400", {}, "ERR 0\r", 250, "2400,N,8,1"},
        {"silent at 1200", {}, "ERR 0\r", 450, "1200,N,8,1"},
        {"silent at 19200", {}, "ERR 0\r", 0, "19200,N,8,1"},
        {"returns when the CR arrives", {{frame, 30}}, good, 30},
        {"pieces", {{frame.substr(0, 3), 10}, {frame.substr(3, 4), 40}, {frame.substr(7), 90}}, good, 90},
        {"too little in time", {{frame.substr(0, 4), 20}, {frame.substr(4), 150}}, "ERR 0\r", 100},
        {"cut off in time", {{frame.substr(0, 8), 20}, {frame.substr(8), 150}}, "EER 3\r", 100},
        {"what was left behind is discarded", {{frame, 5}}, good, 5, "9600,N,8,1", "0101\r"},
        {"bytes after the reply in the same pass", {{frame + "xy", 5}}, "EER 3\r", 5},
        {"other settings: one pass", {{frame, 0}}, good, 0, "19200,N,8,1"},
        {"other settings: nothing after it", {{frame, 1}}, "ERR 0\r", 0, "19200,N,8,1"},
        // A closed or failing port gives no reply, and promptly.
        {"closed port", {{frame, 5}}, "ERR 0\r", 0, "9600,N,8,1", "", PortTrouble::Closed},
        {"write fails", {{frame, 5}}, "ERR 0\r", 0, "9600,N,8,1", "", PortTrouble::WriteFails},
        {"read fails", {{frame, 5}}, "ERR 0\r", 0, "9600,N,8,1", "", PortTrouble::ReadFails},
        {"quick: silent at 9600", {}, "ERR 0\r", 61, "9600,N,8,1", "", none, quick},
        {"quick: silent at 1200", {}, "ERR 0\r", 134, "1200,N,8,1", "", none, quick},
        {"quick: never beyond the timeout", {}, "ERR 0\r", 100, "9600,N,8,1", "", none, QuickSearchWait{200, 50}},
        {"quick: first character late", {{frame, 62}}, "ERR 0\r", 61, "9600,N,8,1", "", none, quick},
        {"quick: begun in time",
         {{frame.substr(0, 1), 61}, {frame.substr(1), 95}},
         good,
         95,
         "9600,N,8,1",
         "",
         none,
         quick},
        {"quick: begun, cut off",
         {{frame.substr(0, 3), 40}, {frame.substr(3), 130}},
         "ERR 0\r",
         100,
         "9600,N,8,1",
         "",
         none,
         quick},
        {"network: silent, the allowance on the timeout", {}, "ERR 0\r", 120, "9600,N,8,1", "", none, {}, 20},
        {"network: a reply past the rate's timeout", {{frame, 115}}, good, 115, "9600,N,8,1", "", none, {}, 20},
        {"network: other settings stay one pass", {{frame, 0}}, good, 0, "19200,N,8,1", "", none, {}, 20},
        {"quick: allowance and latency on the wait", {}, "ERR 0\r", 89, "9600,N,8,1", "", none, quick, 20, 8},
        {"quick: latency never beyond the timeout", {}, "ERR 0\r", 100, "9600,N,8,1", "", none, quick, 0, 60},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        port.setSettings(row.settings);
        port.deliver(row.leftover, 0);
        if (row.trouble == PortTrouble::Closed)
            port.close();
        port.failWrites = row.trouble == PortTrouble::WriteFails;
        port.failWaits = row.trouble == PortTrouble::ReadFails;
        port.allowance = row.allowanceMs;
        port.latency = row.latencyMs;
        answerWith(row.pieces);
        Exchange fresh{port, clock}; // no failed exchange before this one
        const auto start = clock.nowMs();
        EXPECT_EQ(fresh.Comm_Send("01", "RP0", AfterFailure::Drain, row.wait), row.result);
        EXPECT_EQ(clock.nowMs() - start, row.elapsedMs);
        clock.advance(1000); // lets the rest of the reply arrive before the next row
        if (!port.isOpen())
            port.open();
    }
}

// Through an adapter that hands the request back before the reply. Each row
// runs twice, then once after reopening: a fault is told once per opening.
TEST_F(ExchangeTest, TakesTheEchoOutBeforeJudgingTheReply)
{
    const std::string e = Exchange::requestFrame("01", "RP0");
    const std::string head = e.substr(0, 4);
    const std::string other = Exchange::requestFrame("02", "RP0");
    const std::string f = FakeSerialPort::replyFrame("01+012.34");
    const std::string good = "*01+012.34\r";
    const struct {
        const char *name;
        EchoMode mode;
        std::vector<FakeReply> pieces;
        std::string result;
        int elapsedMs;
        std::string received; // what the exchange was handed
        int faults = 0;
        std::optional<QuickSearchWait> wait = {};
    } rows[] = {
        {"echo then reply", EchoMode::Auto, {{e, 10}, {f, 30}}, good, 30, f},
        {"echo in pieces", EchoMode::Auto, {{head, 3}, {e.substr(4) + "*0", 10}, {f.substr(2), 40}}, good, 40, f},
        {"echo alone", EchoMode::Auto, {{e, 10}}, "ERR 0\r", 100, ""},
        {"echo of another frame", EchoMode::Auto, {{other, 10}, {f, 30}}, "EER 3\r", 10, other},
        {"on: no echo, told", EchoMode::On, {{f, 30}}, good, 30, f, 1},
        {"off: the echo's CR ends it", EchoMode::Off, {{e, 10}, {f, 30}}, "EER 3\r", 10, e},
        {"quick: no first character", EchoMode::Auto, {{e, 10}, {f, 62}}, "ERR 0\r", 61, "", 0, QuickSearchWait{}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EchoFilter filter{port, clock, row.mode};
        int faults = 0;
        filter.onLineFault = [&](const std::string &) { ++faults; };
        answerWith(row.pieces);
        for (const bool reopen : {false, false, true}) {
            ASSERT_TRUE(!reopen || (filter.close() && filter.open()));
            Exchange fresh{filter, clock};
            const auto start = clock.nowMs();
            EXPECT_EQ(fresh.Comm_Send("01", "RP0", AfterFailure::Drain, row.wait), row.result);
            EXPECT_EQ(clock.nowMs() - start, row.elapsedMs);
            EXPECT_EQ(fresh.lastReceived(), row.received);
            clock.advance(1000);
        }
        EXPECT_EQ(faults, 2 * row.faults);
    }
}

// A reply that comes after its request's timeout is drained before the next
// request goes out, never taken as its answer. Times from the first request.
TEST_F(ExchangeTest, DrainsALateReplyBeforeTheNextRequest)
{
    const std::string frame = FakeSerialPort::replyFrame("07+012.34");
    const std::string next = FakeSerialPort::replyFrame("07+020.00");
    const struct {
        const char *name;
        std::vector<FakeReply> first;
        std::string firstResult;
        std::int64_t writtenAt; // the second request
        std::string secondResult;
        std::int64_t endAt;
        std::string late; // the bytes told as a late reply
        std::string settings = "9600,N,8,1";
        std::string secondAddress = "07";
        AfterFailure afterFailure = AfterFailure::Drain;
        std::string firstAddress = "07";
    } rows[] = {
        {"good reply: the next starts at once", {{frame, 30}}, "*07+012.34\r", 30, "*07+020.00\r", 50, ""},
        {"silent: waits for twice the timeout", {}, "ERR 0\r", 200, "*07+020.00\r", 220, ""},
        {"late by a few ms", {{frame, 105}}, "ERR 0\r", 200, "*07+020.00\r", 220, frame},
        {"late by a whole timeout: one quiet character time more",
         {{frame, 200}},
         "ERR 0\r",
         202,
         "*07+020.00\r",
         222,
         frame},
        {"late in pieces",
         {{frame.substr(0, 3), 60}, {frame.substr(3, 5), 130}, {frame.substr(8), 170}},
         "ERR 0\r",
         200,
         "*07+020.00\r",
         220,
         frame.substr(3)},
        {"cut off in time, the rest late",
         {{frame.substr(0, 8), 20}, {frame.substr(8), 150}},
         "EER 3\r",
         200,
         "*07+020.00\r",
         220,
         frame.substr(8)},
        {"noise after the timeout is dropped, not told", {{"xyz", 150}}, "ERR 0\r", 200, "*07+020.00\r", 220, ""},
        {"at 1200: twice 450 ms, character time 9 ms",
         {{frame, 895}},
         "ERR 0\r",
         904,
         "*07+020.00\r",
         924,
         frame,
         "1200,N,8,1"},
        {"another address's good frame is no answer",
         {{FakeSerialPort::replyFrame("0808"), 30}},
         "*0808\r",
         200,
         "*07+020.00\r",
         220,
         ""},
        // The search keeps its pace: a late echo of 07 is not the echo of 08.
        {"search: no drain",
         {{FakeSerialPort::replyFrame("0707"), 150}},
         "ERR 0\r",
         100,
         "*0707\r",
         150,
         "",
         "9600,N,8,1",
         "08",
         AfterFailure::NoDrain},
        {"to all: nobody answers, nothing comes late",
         {},
         "ERR 0\r",
         100,
         "*07+020.00\r",
         120,
         "",
         "9600,N,8,1",
         "07",
         AfterFailure::Drain,
         "AA"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        clock.advance(10000);
        port.setSettings(row.settings);
        std::vector<std::int64_t> writes;
        port.setResponder([&](const std::string &) -> std::optional<FakeReply> {
            writes.push_back(clock.nowMs());
            // 08 is not on the line.
            const auto pieces = writes.size() == 1          ? row.first
                                : row.secondAddress == "07" ? std::vector<FakeReply>{{next, 20}}
                                                            : std::vector<FakeReply>{};
            for (std::size_t i = 1; i < pieces.size(); ++i)
                port.deliver(pieces[i].bytes, pieces[i].delayMs);
            return pieces.empty() ? std::nullopt : std::optional(pieces.front());
        });
        Exchange fresh{port, clock};
        const auto start = clock.nowMs();
        EXPECT_EQ(fresh.Comm_Send(row.firstAddress, "RP0"), row.firstResult);
        EXPECT_FALSE(fresh.lateReply());
        const std::string second = fresh.Comm_Send(row.secondAddress, "RP0", row.afterFailure);
        EXPECT_EQ(second, row.secondResult);
        EXPECT_FALSE(isAddressEcho(second, "08"));
        ASSERT_EQ(writes.size(), 2U);
        EXPECT_EQ(writes[1] - start, row.writtenAt);
        EXPECT_EQ(clock.nowMs() - start, row.endAt);
        EXPECT_EQ(fresh.lateReply() ? fresh.lateReply()->bytes : "", row.late);
        if (fresh.lateReply()) {
            EXPECT_EQ(fresh.lateReply()->request, Exchange::requestFrame("07", "RP0"));
            EXPECT_EQ(lateReplyNotice(fresh.lateReply()->address, fresh.lateReply()->timeoutMs),
                      "07 answers later than the " + std::to_string(replyTimeoutMs(row.settings)) +
                          " ms timeout; its values were not taken");
        }
    }
}

} // namespace
} // namespace ortavel
