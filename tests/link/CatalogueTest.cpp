#include "link/Commands.h"
#include "link/LineSettings.h"

#include <gtest/gtest.h>

#include <set>

namespace ortavel {
namespace {

TEST(Catalogue, WriteFormsAppendTheValueDirectly)
{
    EXPECT_EQ(cmd::write(cmd::Unit, "2"), "UT2");
    EXPECT_EQ(cmd::write(cmd::Unit, "-1"), "UT-1");
    EXPECT_EQ(cmd::write(cmd::DisplayZero, "+000.0"), "DL+000.0");
    EXPECT_EQ(cmd::write(cmd::PointCount, "0"), "PN0");
    EXPECT_EQ(cmd::point(cmd::Measured, 3), "FC3");
    EXPECT_EQ(cmd::writePoint(cmd::Standard, 7, "100.0"), "UC7100.0");
}

TEST(Catalogue, EveryCommandIsListedOnceWithAForm)
{
    std::set<std::string_view> seen;
    for (const auto &info : cmd::kCatalogue) {
        EXPECT_TRUE(seen.insert(info.letters).second) << info.letters;
        EXPECT_TRUE(info.readForm || info.writeForm) << info.letters;
        EXPECT_GE(info.letters.size(), 2U);
    }
}

TEST(ReplyData, CutsByPosition)
{
    const struct {
        std::string result;
        std::string data;
    } cases[] = {
        {"*05TYPE-X\r", "TYPE-X"}, {"ERR 0\r", " 0"}, {"EER 3\r", " 3"}, {"*05\r", ""}, {"*0\r", ""}, {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(replyData(c.result), c.data) << c.result;
}

TEST(SuccessTests, CompareWholeResults)
{
    EXPECT_TRUE(isAddressEcho("*0707\r", "07"));
    EXPECT_FALSE(isAddressEcho("*0708\r", "07"));
    EXPECT_FALSE(isAddressEcho("*0707", "07"));
    EXPECT_FALSE(isAddressEcho("ERR 0\r", "07"));
    EXPECT_TRUE(isBaudConfirmed("*071\r", "07", "1"));
    EXPECT_FALSE(isBaudConfirmed("*072\r", "07", "1"));
    EXPECT_TRUE(isStored("*07OK\r", "07"));
    EXPECT_FALSE(isStored("*07ok\r", "07"));
    EXPECT_FALSE(isStored("*08OK\r", "07"));
    EXPECT_FALSE(isStored("EER 3\r", "07"));
    EXPECT_TRUE(isErrorResult("ERR 0\r"));
    EXPECT_TRUE(isErrorResult("EER 3\r"));
    EXPECT_FALSE(isErrorResult("*07 0\r"));
}

TEST(LineSettings, TextsAndTimeouts)
{
    EXPECT_EQ(lineSettingsText("1200"), "1200,N,8,1");
    EXPECT_EQ(replyTimeoutMs(lineSettingsText("1200")), 450);
    EXPECT_EQ(replyTimeoutMs("2400,N,8,1"), 250);
    EXPECT_EQ(replyTimeoutMs("4800,N,8,1"), 150);
    EXPECT_EQ(replyTimeoutMs("9600,N,8,1"), 100);
    for (const char *other : {"", "9600", "9600,n,8,1", "38400,N,8,1", "9600,N,8,2", " 9600,N,8,1"})
        EXPECT_EQ(replyTimeoutMs(other), 0) << other;
    EXPECT_EQ(baudOfSettings("4800,N,8,1"), 4800);
    EXPECT_FALSE(baudOfSettings("fast"));
    EXPECT_EQ(bandIndexOfBaud(4800), 2);
    EXPECT_FALSE(bandIndexOfBaud(19200));
}

} // namespace
} // namespace ortavel
