#include "cli/SettingChecker.h"

#include <gtest/gtest.h>

namespace ortavel::cli {
namespace {

TEST(SettingCheckerTest, EachKeyTakesOnlyItsValues)
{
    const struct {
        std::string argument;
        bool accepted;
        int code; // code, trim, address or rate when accepted
    } cases[] = {
        {"unit=kpa", true, 0},
        {"unit=MPA", true, 1},
        {"unit=Mpa", true, 1},
        {"unit=psi", true, 4},
        {"unit=unknow", true, 6},
        {"unit=Unknown", true, 6},
        {"unit=6", true, 6},
        {"unit=7", false, 0},
        {"unit=-1", false, 0},
        {"unit=kPa ", false, 0},
        {"decimals=0", true, 0},
        {"decimals=4", true, 4},
        {"decimals=5", false, 0},
        {"decimals=1.0", false, 0},
        {"trim_4ma=-5000", true, -5000},
        {"trim_4ma=+0123", true, 123},
        {"trim_20ma=5000", true, 5000},
        {"trim_20ma=5001", false, 0},
        {"trim_20ma=12.5", false, 0},
        {"trim_4ma=", false, 0},
        {"trim_4ma=+", false, 0},
        {"address=7", true, 7},
        {"address=07", true, 7},
        {"address=99", true, 99},
        {"address=0", false, 0},
        {"address=100", false, 0},
        {"address=007", false, 0},
        {"baud=2400", true, 2400},
        {"baud=19200", false, 0},
        {"baud=9600.0", false, 0},
        {"display_zero=-3", true, 0},
        {"display_zero=+.5", true, 0},
        {"display_zero=1e3", false, 0},
        {"display_zero=abc", false, 0},
        {"output_4ma=4", true, 0},
        {"output_20ma=1.2.3", false, 0},
        {"display_full_scale=", false, 0},
        {"type=PT 100", true, 0},
        {"type=", false, 0},
        {"id=A\rB", false, 0},
        {"id=SN\n1", false, 0},
        {"colour=red", false, 0},
        {"unit", false, 0},
        {"=5", false, 0},
    };
    for (const auto &c : cases) {
        std::vector<std::string> errors;
        const auto checked = SettingChecker::check(std::vector<std::string>{c.argument}, errors);
        EXPECT_EQ(checked.has_value(), c.accepted) << c.argument;
        EXPECT_EQ(errors.empty(), c.accepted) << c.argument;
        if (checked && c.code != 0) {
            EXPECT_EQ(checked->front().code, c.code) << c.argument;
        }
    }
}

TEST(SettingCheckerTest, OneBadValueRejectsTheWholeSetAndNamesEveryProblem)
{
    std::vector<std::string> errors;
    const auto checked = SettingChecker::check(
        std::vector<std::string>{"type=PT", "unit=bar", "decimals=9", "trim_4ma=9999", "type=again"}, errors);
    EXPECT_FALSE(checked);
    ASSERT_EQ(errors.size(), 3U);
    EXPECT_NE(errors[0].find("decimals"), std::string::npos);
    EXPECT_NE(errors[1].find("trim_4ma"), std::string::npos);
    EXPECT_NE(errors[2].find("twice"), std::string::npos);
}

TEST(SettingCheckerTest, ResultIsInWriteOrderWithAddressAndBaudLast)
{
    std::vector<std::string> errors;
    const auto checked = SettingChecker::check(
        std::vector<std::string>{"baud=4800", "address=12", "trim_20ma=1", "type=X", "decimals=2", "unit=3"}, errors);
    ASSERT_TRUE(checked);
    std::vector<SettingKey> keys;
    for (const auto &c : *checked)
        keys.push_back(c.key);
    EXPECT_EQ(keys, (std::vector<SettingKey>{SettingKey::Type, SettingKey::Unit, SettingKey::Decimals,
                                             SettingKey::Trim20mA, SettingKey::Address, SettingKey::Baud}));
}

} // namespace
} // namespace ortavel::cli
