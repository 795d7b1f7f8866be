#include "cli/WritePlan.h"

#include <gtest/gtest.h>

namespace ortavel::cli {
namespace {

std::vector<std::string> commandsOf(const std::vector<std::string> &arguments, const TargetFacts &facts)
{
    std::vector<std::string> errors;
    const auto checked = SettingChecker::check(arguments, errors);
    EXPECT_TRUE(checked) << (errors.empty() ? "" : errors.front());
    std::vector<std::string> commands;
    if (checked) {
        for (const auto &write : WritePlan::settings(*checked, facts))
            commands.push_back(write.command);
    }
    return commands;
}

TEST(WritePlanTest, RangeAndOutputValuesAreFormattedForVersionAndDecimals)
{
    const struct {
        std::string argument;
        std::optional<std::string> version;
        int decimals;
        std::string command;
    } cases[] = {
        {"display_zero=12.5", "2.10", 1, "DL+012.5"},
        {"display_zero=-3", "2.10", 1, "DL-003.0"},
        {"display_zero=0", "2.10", 1, "DL+000.0"},
        {"display_full_scale=1234.56", "2.10", 1, "DH+1234.6"},
        {"display_full_scale=12345", "2.10", 1, "DH+12345.0"},
        {"display_zero=7", "2.10", 0, "DL+0007."},
        {"display_zero=0.5", "2.10", 4, "DL+.5000"},
        {"display_zero=-0.125", "1.50", 2, "DL-00.13"},
        {"output_4ma=4", "1.50", 1, "OL+004.0"},
        {"output_4ma=4", "2.00", 1, "OL4"},
        {"output_4ma=4", "2.0", 1, "OL4"},
        {"output_20ma=-2.5", "0.90", 2, "OH-02.50"},
        {"output_20ma=100.0", "2.50", 2, "OH100.0"},
        {"output_20ma=+7", "VER", 0, "OH+0007."},
        {"trim_4ma=123", "2.10", 1, "ZF+0123"},
        {"trim_20ma=-45", "2.10", 1, "FF-0045"},
        {"trim_20ma=0", "2.10", 1, "FF+0000"},
        {"unit=psi", "2.10", 1, "UT4"},
        {"decimals=3", "2.10", 1, "DP3"},
        {"type=PT 100", "2.10", 1, "TYPT 100"},
        {"address=5", "2.10", 1, "AD05"},
        {"baud=2400", "2.10", 1, "BD1"},
    };
    for (const auto &c : cases) {
        const auto commands = commandsOf({c.argument}, TargetFacts{c.version, c.decimals});
        ASSERT_EQ(commands.size(), 1U) << c.argument;
        EXPECT_EQ(commands.front(), c.command) << c.argument << " version " << c.version.value_or("-");
    }
}

TEST(WritePlanTest, DecimalsSetInTheSameCommandFormatTheRangeAndGoFirst)
{
    const auto commands =
        commandsOf({"display_full_scale=100", "display_zero=1", "decimals=2", "output_4ma=3"}, TargetFacts{"1.00", 0});
    EXPECT_EQ(commands, (std::vector<std::string>{"DP2", "DL+01.00", "DH+100.00", "OL+03.00"}));
}

TEST(WritePlanTest, WhatMustBeReadFirst)
{
    const struct {
        std::vector<std::string> arguments;
        bool version;
        bool decimals;
    } cases[] = {
        {{"type=X", "trim_4ma=3", "unit=1"}, false, false}, {{"display_zero=1"}, false, true},
        {{"display_zero=1", "decimals=2"}, false, false},   {{"output_4ma=1"}, true, true},
        {{"output_20ma=1", "decimals=0"}, true, false},
    };
    for (const auto &c : cases) {
        std::vector<std::string> errors;
        const auto checked = SettingChecker::check(c.arguments, errors);
        ASSERT_TRUE(checked);
        EXPECT_EQ(WritePlan::needsVersion(*checked), c.version) << c.arguments.front();
        EXPECT_EQ(WritePlan::needsDecimals(*checked), c.decimals) << c.arguments.front();
    }
}

TEST(WritePlanTest, DryRunShowsOutputsAsGivenWithTheFormOfOldVersions)
{
    std::vector<std::string> errors;
    const auto checked = SettingChecker::check(std::vector<std::string>{"output_4ma=4", "output_20ma=+020.0"}, errors);
    ASSERT_TRUE(checked);
    const auto plan = WritePlan::settings(*checked, TargetFacts{std::nullopt, 1});
    ASSERT_EQ(plan.size(), 2U);
    EXPECT_EQ(plan[0].command, "OL4");
    EXPECT_EQ(plan[0].note, "below version 2.0: OL+004.0");
    EXPECT_EQ(plan[1].command, "OH+020.0");
    EXPECT_TRUE(plan[1].note.empty());
}

TEST(WritePlanTest, CalibrationSendsCountThenActivePointsMeasuredFirst)
{
    CalibrationTable table;
    table.points = 2;
    for (int i = 0; i < kCalibrationRows; ++i)
        table.rows[static_cast<std::size_t>(i)] = {"S" + std::to_string(i), "M" + std::to_string(i)};
    table.rows[1] = {"100.0", "99.5"};
    std::vector<std::string> commands;
    std::vector<Expect> expects;
    for (const auto &write : WritePlan::calibration(table)) {
        commands.push_back(write.command);
        expects.push_back(write.expect);
    }
    EXPECT_EQ(commands, (std::vector<std::string>{"PN2", "FC0M0", "UC0S0", "FC199.5", "UC1100.0"}));
    EXPECT_EQ(expects,
              (std::vector<Expect>{Expect::Number, Expect::Text, Expect::Text, Expect::Number, Expect::Number}));
}

TEST(WritePlanTest, SaveAreas)
{
    EXPECT_FALSE(WritePlan::save(SaveArea::None));
    EXPECT_EQ(WritePlan::save(SaveArea::User)->command, "WU");
    EXPECT_EQ(WritePlan::save(SaveArea::Factory)->command, "WF");
    EXPECT_EQ(WritePlan::save(SaveArea::Factory)->expect, Expect::Stored);
}

} // namespace
} // namespace ortavel::cli
