#include "FakeBus.h"

#include "cli/CollectLoop.h"

#include <gtest/gtest.h>

namespace ortavel::cli {
namespace {

using test::FakeBus;
using test::FakeTransmitter;

TEST(CollectLoopTest, AlternatesFromTheTemperatureAndRepeatsTheValueNotPolled)
{
    FakeBus fake;
    auto &t = fake.add(FakeTransmitter{"07", 9600, FakeBus::typicalValues("2.10"), false, {}});
    CollectLoop loop("07");
    const struct {
        std::string pressure;
        std::string temperature;
        std::string rowPressure;
        std::string rowTemperature;
    } ticks[] = {
        {"1.5", "25.46", "", "25.5"}, {"1.5", "25.46", "1.5", "25.5"}, {"2.5", "-3", "1.5", "-3.0"},
        {"2.5", "-3", "2.5", "-3.0"}, {"0.5", "0.04", "2.5", "0.0"},   {"+000.50", "0", "+000.50", "0.0"},
    };
    std::int64_t time = 0;
    for (const auto &tick : ticks) {
        t.values["RP0"] = tick.pressure;
        t.values["RT0"] = tick.temperature;
        const auto row = loop.tick(fake.bus, time += 200);
        ASSERT_TRUE(row);
        EXPECT_EQ(row->pressure, tick.rowPressure) << time;
        EXPECT_EQ(row->temperature, tick.rowTemperature) << time;
        EXPECT_EQ(row->timeMs, time);
    }
    EXPECT_EQ(fake.commands(), (std::vector<std::string>{"RT0", "RP0", "RT0", "RP0", "RT0", "RP0"}));
    EXPECT_EQ(loop.maximum(), "2.5");
    EXPECT_EQ(loop.minimum(), "+000.50");
}

TEST(CollectLoopTest, FailedPollsAreCountedAndNeverValues)
{
    FakeBus fake;
    auto &t = fake.add(FakeTransmitter{"07", 9600, FakeBus::typicalValues("2.10"), false, {}});
    CollectLoop loop("07");
    t.silent = true; // temperature: ERR 0 is no 0.0
    EXPECT_FALSE(loop.tick(fake.bus, 1));
    EXPECT_FALSE(loop.tick(fake.bus, 2)); // pressure: ERR 0
    t.silent = false;
    t.values["RT0"] = ""; // good reply without data
    EXPECT_FALSE(loop.tick(fake.bus, 3));
    t.values["RP0"] = "n/a";
    EXPECT_FALSE(loop.tick(fake.bus, 4));
    t.values["RT0"] = "20";
    const auto row = loop.tick(fake.bus, 5);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->pressure, "");
    EXPECT_EQ(row->temperature, "20.0");
    EXPECT_EQ(loop.failedTemperature(), 2);
    EXPECT_EQ(loop.failedPressure(), 2);
    EXPECT_EQ(loop.polls(), 5);
    EXPECT_TRUE(loop.maximum().empty());
}

} // namespace
} // namespace ortavel::cli
