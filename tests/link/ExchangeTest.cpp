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
            for (std::size_t i = 1; i < pieces.size(); ++i)
                port.deliver(pieces[i].bytes, pieces[i].delayMs);
            return pieces.front();
        });
    }

    FakeClock clock;
    FakeSerialPort port{clock};
    Exchange exchange{port, clock};
};

TEST_F(ExchangeTest, SilentBusWaitsTheTimeoutOfEachRate)
{
    const struct {
        std::string settings;
        int timeoutMs;
    } cases[] = {
        {"9600,N,8,1", 100}, {"4800,N,8,1", 150}, {"2400,N,8,1", 250},
        {"1200,N,8,1", 450}, {"19200,N,8,1", 0},  {"9600,E,8,1", 0},
    };
    for (const auto &c : cases) {
        port.setSettings(c.settings);
        const auto start = clock.nowMs();
        EXPECT_EQ(exchange.Comm_Send("01", "TY"), "ERR 0\r") << c.settings;
        EXPECT_EQ(clock.nowMs() - start, c.timeoutMs) << c.settings;
    }
}

TEST_F(ExchangeTest, WritesTheFrameAfterDiscardingBothBuffers)
{
    exchange.Comm_Send("01", "TY");
    ASSERT_EQ(port.writes().size(), 1U);
    EXPECT_EQ(port.writes().front(), "$01TY0C\r");
    const auto &calls = port.calls();
    const auto at = [&](const std::string &name) {
        return std::find(calls.begin(), calls.end(), name) - calls.begin();
    };
    EXPECT_LT(at("discardInput"), at("discardOutput"));
    EXPECT_LT(at("discardOutput"), at("write"));
}

TEST_F(ExchangeTest, ReturnsAsSoonAsTheCrArrives)
{
    answerWith({{FakeSerialPort::replyFrame("01TYPE-A"), 30}});
    const auto start = clock.nowMs();
    EXPECT_EQ(exchange.Comm_Send("01", "TY"), "*01TYPE-A\r");
    EXPECT_EQ(clock.nowMs() - start, 30);
}

TEST_F(ExchangeTest, CollectsAReplyInPieces)
{
    const std::string frame = FakeSerialPort::replyFrame("01+012.34");
    answerWith({{frame.substr(0, 3), 10}, {frame.substr(3, 4), 40}, {frame.substr(7), 90}});
    EXPECT_EQ(exchange.Comm_Send("01", "RP0"), "*01+012.34\r");
}

TEST_F(ExchangeTest, JudgesALateReplyOnWhatCameInTime)
{
    const std::string frame = FakeSerialPort::replyFrame("01+012.34");
    answerWith({{frame.substr(0, 4), 20}, {frame.substr(4), 150}});
    EXPECT_EQ(exchange.Comm_Send("01", "RP0"), "ERR 0\r");

    answerWith({{frame.substr(0, 8), 20}, {frame.substr(8), 150}});
    EXPECT_EQ(exchange.Comm_Send("01", "RP0"), "EER 3\r");
}

TEST_F(ExchangeTest, DiscardsWhatAnEarlierReplyLeftBehind)
{
    // The tail of a late reply is waiting when the next exchange starts.
    port.deliver("0101\r", 0);
    answerWith({{FakeSerialPort::replyFrame("0101"), 5}});
    EXPECT_EQ(exchange.Comm_Send("01", "AD"), "*0101\r");
}

TEST_F(ExchangeTest, BytesAfterTheReplyInTheSamePassSpoilIt)
{
    answerWith({{FakeSerialPort::replyFrame("0101") + "xy", 5}});
    EXPECT_EQ(exchange.Comm_Send("01", "AD"), "EER 3\r");
}

TEST_F(ExchangeTest, OtherSettingsMakeOnePassOnly)
{
    port.setSettings("19200,N,8,1");
    answerWith({{FakeSerialPort::replyFrame("0101"), 0}});
    EXPECT_EQ(exchange.Comm_Send("01", "AD"), "*0101\r");
    answerWith({{FakeSerialPort::replyFrame("0101"), 1}});
    EXPECT_EQ(exchange.Comm_Send("01", "AD"), "ERR 0\r");
}

TEST_F(ExchangeTest, FailingPortGivesNoReplyPromptly)
{
    const struct {
        const char *why;
        bool close;
        bool failWrites;
        bool failWaits;
    } cases[] = {
        {"closed port", true, false, false},
        {"write fails", false, true, false},
        {"read fails", false, false, true},
    };
    for (const auto &c : cases) {
        FakeClock localClock;
        FakeSerialPort local(localClock);
        Exchange localExchange(local, localClock);
        if (!c.close)
            local.open();
        local.failWrites = c.failWrites;
        local.failWaits = c.failWaits;
        const auto start = localClock.nowMs();
        EXPECT_EQ(localExchange.Comm_Send("01", "TY"), "ERR 0\r") << c.why;
        EXPECT_LT(localClock.nowMs() - start, 100) << c.why;
    }
}

TEST_F(ExchangeTest, NonAsciiAddressGoesOutAsUtf8WithItsChecksum)
{
    const std::string address = "在线变送器地址列表";
    exchange.Comm_Send(address, "TY");
    ASSERT_EQ(port.writes().size(), 1U);
    const std::string &frame = port.writes().front();
    EXPECT_EQ(frame.substr(1, address.size()), address);
    unsigned x = 0;
    for (const char c : address + "TY")
        x ^= static_cast<unsigned char>(c);
    char hex[3];
    std::snprintf(hex, sizeof hex, "%02X", x);
    EXPECT_EQ(frame.substr(frame.size() - 3), std::string(hex) + "\r");
}

TEST_F(ExchangeTest, LeavesItsArgumentsAlone)
{
    const std::string address = "07";
    const std::string command = "DL+012.5";
    exchange.Comm_Send(address, command);
    EXPECT_EQ(address, "07");
    EXPECT_EQ(command, "DL+012.5");
    EXPECT_EQ(port.writes().front(), Exchange::requestFrame("07", "DL+012.5"));
}

} // namespace
} // namespace ortavel
