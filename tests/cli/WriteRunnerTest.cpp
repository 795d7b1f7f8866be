#include "FakeBus.h"

#include "cli/WriteRunner.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace ortavel::cli {
namespace {

using test::FakeBus;
using test::FakeTransmitter;

std::vector<PlannedWrite> planOf(const std::vector<std::string> &arguments, SaveArea save = SaveArea::None)
{
    std::vector<std::string> errors;
    const auto checked = SettingChecker::check(arguments, errors);
    EXPECT_TRUE(checked);
    auto plan = WritePlan::settings(checked.value_or(std::vector<CheckedSetting>{}), TargetFacts{"2.10", 1});
    if (auto s = WritePlan::save(save))
        plan.push_back(*s);
    return plan;
}

class WriteRunnerTest : public ::testing::Test {
protected:
    void SetUp() override { fake.add(FakeTransmitter{"07", 9600, FakeBus::typicalValues("2.10"), false, {}}); }

    // Position of the first call that starts with `prefix`, after `from`.
    std::ptrdiff_t callAt(const std::string &prefix, std::ptrdiff_t from = 0) const
    {
        const auto &calls = fake.port.calls();
        const auto it = std::find_if(calls.begin() + from, calls.end(),
                                     [&](const std::string &c) { return c.rfind(prefix, 0) == 0; });
        return it - calls.begin();
    }

    FakeBus fake;
};

TEST_F(WriteRunnerTest, EveryWriteConfirmedByItsOwnReply)
{
    const auto report =
        WriteRunner::run(fake.bus, "07", planOf({"type=PT-200", "unit=Bar", "display_zero=-1", "trim_4ma=12"}));
    EXPECT_TRUE(report.allConfirmed());
    EXPECT_EQ(report.confirmedCount(), 4);
    EXPECT_EQ(fake.commands(), (std::vector<std::string>{"TYPT-200", "UT3", "DL-001.0", "ZF+0012"}));
    EXPECT_EQ(fake.at("07")->values["DL"], "-001.0");
}

TEST_F(WriteRunnerTest, AddressThenBaudGoLastAndTheLineFollowsOnlyAConfirmedRate)
{
    const auto report = WriteRunner::run(fake.bus, "07", planOf({"baud=2400", "address=12", "id=X"}));
    EXPECT_TRUE(report.allConfirmed());
    EXPECT_EQ(fake.commands(), (std::vector<std::string>{"IDX", "AD12", "BD1"}));
    EXPECT_EQ(fake.port.writes().back().substr(0, 6), "$12BD1");
    // The rate changes only after the reply to BD, sent at the old rate.
    const auto lastWrite = callAt("write", callAt("write", callAt("write") + 1) + 1);
    EXPECT_GT(callAt("setSettings 2400,N,8,1"), lastWrite);
    EXPECT_EQ(fake.port.settings(), "2400,N,8,1");
    EXPECT_EQ(report.address, "12");
    EXPECT_EQ(report.baud, 2400);
}

TEST_F(WriteRunnerTest, UnconfirmedRateLeavesTheLineAlone)
{
    fake.at("07")->rejects = {"BD0"};
    const auto report = WriteRunner::run(fake.bus, "07", planOf({"baud=1200"}, SaveArea::User));
    EXPECT_FALSE(report.allConfirmed());
    EXPECT_EQ(fake.port.settings(), "9600,N,8,1");
    // Nothing is stored after a failed write.
    EXPECT_EQ(fake.commands(), (std::vector<std::string>{"BD0"}));
    ASSERT_EQ(report.outcomes.size(), 2U);
    EXPECT_TRUE(report.outcomes[1].result.empty());
    EXPECT_EQ(report.failedCount(), 2);
}

TEST_F(WriteRunnerTest, UnconfirmedAddressStopsTheRateChange)
{
    fake.at("07")->rejects = {"AD30"};
    const auto report = WriteRunner::run(fake.bus, "07", planOf({"address=30", "baud=4800"}));
    EXPECT_EQ(fake.commands(), (std::vector<std::string>{"AD30"}));
    EXPECT_EQ(report.failedCount(), 2);
    EXPECT_EQ(fake.port.settings(), "9600,N,8,1");
}

TEST_F(WriteRunnerTest, SilentTransmitterFailsEveryWriteAndIsNotStored)
{
    fake.at("07")->silent = true;
    const auto report = WriteRunner::run(fake.bus, "07", planOf({"type=X", "unit=1"}, SaveArea::Factory));
    EXPECT_EQ(report.confirmedCount(), 0);
    EXPECT_EQ(report.failedCount(), 3);
    EXPECT_EQ(fake.commands(), (std::vector<std::string>{"TYX", "UT1"}));
    EXPECT_EQ(report.outcomes[0].result, "ERR 0\r");
}

TEST_F(WriteRunnerTest, StoresAfterAllWritesConfirmed)
{
    const auto report = WriteRunner::run(fake.bus, "07", planOf({"unit=2"}, SaveArea::User));
    EXPECT_TRUE(report.allConfirmed());
    EXPECT_EQ(fake.commands(), (std::vector<std::string>{"UT2", "WU"}));
}

TEST_F(WriteRunnerTest, InterruptStopsBetweenExchanges)
{
    fake.interruptAfter(2);
    const auto report = WriteRunner::run(fake.bus, "07", planOf({"type=A", "id=B", "unit=3", "decimals=2"}));
    EXPECT_TRUE(report.interrupted);
    EXPECT_FALSE(report.allConfirmed());
    EXPECT_EQ(fake.commands().size(), 2U);
    EXPECT_EQ(report.outcomes.size(), 2U);
    EXPECT_EQ(report.confirmedCount(), 2);
}

} // namespace
} // namespace ortavel::cli
