#include "ReadFixture.h"

#include <cmath>

namespace ortavel::test {
namespace {

using TrafficTrendTest = ReadFixture;

TEST_F(TrafficTrendTest, EveryExchangeOfTheWindowIsRecordedWithItsResult)
{
    FakeTransmitter &transmitter = findAndRead();
    TrafficRecorder &traffic = window.traffic();
    EXPECT_GT(traffic.size(), 40U) << "the search and the read went through Comm_Send";

    transmitter.silent = {"RP"};
    transmitter.garbled = {"RT"};
    const std::uint64_t before = traffic.endSequence();
    window.txtInsSend.setText("TY");
    window.Cmd_INS.click();
    window.txtInsSend.setText("RP0");
    window.Cmd_INS.click();
    window.txtInsSend.setText("RT0");
    window.Cmd_INS.click();
    ASSERT_EQ(traffic.endSequence(), before + 3);

    const ExchangeRecord &good = traffic.at(before);
    EXPECT_EQ(good.result, ExchangeResult::Good);
    EXPECT_EQ(good.address, "07");
    EXPECT_EQ(good.baud, 9600);
    EXPECT_EQ(good.request, "$07TY0A\r");
    EXPECT_EQ(good.reply.substr(0, 3), "*07");
    EXPECT_EQ(good.reply.back(), '\r');
    const ExchangeRecord &silent = traffic.at(before + 1);
    EXPECT_EQ(silent.result, ExchangeResult::NoReply);
    EXPECT_EQ(silent.reply, "");
    EXPECT_GE(silent.durationMs, 100) << "the whole timeout at 9600 baud";
    const ExchangeRecord &garbled = traffic.at(before + 2);
    EXPECT_EQ(garbled.result, ExchangeResult::BadReply);
    EXPECT_NE(garbled.reply, "EER 3\r") << "the bytes as received, not the result text";
    EXPECT_GT(garbled.timeMs, good.timeMs);
}

TEST_F(TrafficTrendTest, CollectFeedsTheTrendAndAFailedPollIsAGap)
{
    FakeTransmitter &transmitter = findAndRead();
    transmitter.values["RP0"] = "+1.500";
    window.cmdON_OFF.click();
    window.Timer1.tick();
    clock.advance(200);
    window.Timer1.tick();
    transmitter.silent = {"RP"};
    clock.advance(200);
    window.Timer1.tick();
    clock.advance(200);
    window.Timer1.tick();

    const auto &pressure = window.trend().samples(TrendQuantity::Pressure);
    const auto &temperature = window.trend().samples(TrendQuantity::Temperature);
    ASSERT_EQ(pressure.size(), 2U);
    ASSERT_EQ(temperature.size(), 2U);
    // Elapsed time from the Collect click, in the order of the polls.
    EXPECT_DOUBLE_EQ(pressure[0].value, 1.5);
    EXPECT_GE(pressure[0].timeS, 0.2);
    EXPECT_LT(pressure[0].timeS, temperature[1].timeS);
    EXPECT_GE(temperature[1].timeS, 0.4);
    EXPECT_TRUE(std::isnan(pressure[1].value)) << "a failed poll is a gap, not " << pressure[1].value;
    EXPECT_GE(pressure[1].timeS, 0.6);
    EXPECT_FALSE(std::isnan(temperature[1].value));
    EXPECT_EQ(*window.trend().extremes(TrendQuantity::Pressure).low, 1.5);
}

} // namespace
} // namespace ortavel::test
