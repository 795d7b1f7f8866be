#include "link/Exchange.h"
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

// The wait ends at the first CR or at the timeout of the rate (none for other settings).
TEST_F(ExchangeTest, JudgesWhatArrivedInTime)
{
    const std::string frame = FakeSerialPort::replyFrame("01+012.34");
    const std::string good = "*01+012.34\r";
    const struct {
        const char *name;
        std::vector<FakeReply> pieces;
        std::string result;
        int elapsedMs;
        std::string settings = "9600,N,8,1";
        std::string leftover = {}; // the tail of a late reply, waiting in the buffer
        PortTrouble trouble = PortTrouble::None;
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
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        port.setSettings(row.settings);
        port.deliver(row.leftover, 0);
        if (row.trouble == PortTrouble::Closed)
            port.close();
        port.failWrites = row.trouble == PortTrouble::WriteFails;
        port.failWaits = row.trouble == PortTrouble::ReadFails;
        answerWith(row.pieces);
        const auto start = clock.nowMs();
        EXPECT_EQ(exchange.Comm_Send("01", "RP0"), row.result);
        EXPECT_EQ(clock.nowMs() - start, row.elapsedMs);
        clock.advance(1000); // lets the rest of the reply arrive before the next row
        if (!port.isOpen())
            port.open();
    }
}

} // namespace
} // namespace ortavel
