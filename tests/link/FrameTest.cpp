#include "link/Checksum.h"
#include "link/Commands.h"
#include "link/Exchange.h"
#include "link/LineSettings.h"
#include "link/ReplyCheck.h"
#include "support/FakeSerialPort.h"

#include <gtest/gtest.h>

namespace ortavel {
namespace {

using test::FakeSerialPort;

// UTF-8 bytes of a non-ASCII address take part byte by byte.
TEST(Checksum, KnownAnswers)
{
    const struct {
        std::string text;
        std::string checksum;
    } cases[] = {{"01TY", "0C"}, {"0101", "00"}, {"", "00"}, {"\xE5\x9C\xA8", "D1"}, {"\xFF", "FF"}};
    for (const auto &c : cases)
        EXPECT_EQ(PARITY_XORB(c.text), c.checksum) << c.text;
}

TEST(RequestFrame, CarriesAddressCommandChecksumAndCr)
{
    const struct {
        std::string address;
        std::string command;
        std::string frame;
    } cases[] = {{"01", "TY", "$01TY0C\r"},
                 {"07", "", "$0707\r"},
                 // A non-ASCII address goes out as its UTF-8 bytes.
                 {"在线", "TY", "$在线TY3E\r"}};
    for (const auto &c : cases)
        EXPECT_EQ(Exchange::requestFrame(c.address, c.command), c.frame) << c.address << c.command;
}

TEST(ReplyCheck, JudgesEverythingReceived)
{
    const struct {
        const char *why;
        std::string received;
        std::string result;
    } cases[] = {
        {"five characters ending in CR", "*010\r", "ERR 0\r"},
        {"shortest good reply, no data", "*0101\r", "*01\r"},
        {"upper-case checksum", "*01TY0C\r", "*01TY\r"},
        {"blanks and tilde", FakeSerialPort::replyFrame("12 space and ~"), "*12 space and ~\r"},
        {"lower-case checksum", "*01TY0c\r", "EER 3\r"},
        {"wrong checksum", "*010101\r", "EER 3\r"},
        {"no CR", "*0101000", "EER 3\r"},
        {"noise before", "x*010100\r", "EER 3\r"},
        {"bytes after", "*010100\rzz", "EER 3\r"},
        // The start of one reply run into another, with a checksum that fits both.
        {"reply inside a reply", FakeSerialPort::replyFrame("01+0000*01+0000.00"), "EER 3\r"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(checkReply(c.received), c.result) << c.why;
}

TEST(ReplyData, CutsByPosition)
{
    const struct {
        std::string result;
        std::string data;
    } cases[] = {
        {"*05TYPE-X\r", "TYPE-X"}, {"ERR 0\r", " 0"}, {"EER 3\r", " 3"}, {"*05\r", ""}, {"*0\r", ""}, {"", ""}};
    for (const auto &c : cases)
        EXPECT_EQ(replyData(c.result), c.data) << c.result;
}

TEST(SuccessTests, CompareWholeResults)
{
    EXPECT_TRUE(isAddressEcho("*0707\r", "07"));
    EXPECT_FALSE(isAddressEcho("*0708\r", "07"));
    EXPECT_FALSE(isAddressEcho("ERR 0\r", "07"));
    EXPECT_TRUE(isBaudConfirmed("*071\r", "07", "1"));
    EXPECT_FALSE(isBaudConfirmed("*072\r", "07", "1"));
    EXPECT_TRUE(isStored("*07OK\r", "07"));
    EXPECT_FALSE(isStored("*08OK\r", "07"));
    EXPECT_FALSE(isStored("EER 3\r", "07"));
    EXPECT_TRUE(isErrorResult("ERR 0\r"));
    EXPECT_TRUE(isErrorResult("EER 3\r"));
    EXPECT_FALSE(isErrorResult("*07 0\r"));
}

// The timeouts of the four rates are checked through the exchange.
TEST(LineSettings, TextsAndTimeouts)
{
    EXPECT_EQ(lineSettingsText("1200"), "1200,N,8,1");
    for (const char *other : {"", "9600", "9600,n,8,1", "38400,N,8,1", "9600,N,8,2", " 9600,N,8,1"})
        EXPECT_EQ(replyTimeoutMs(other), 0) << other;
    EXPECT_EQ(baudOfSettings("4800,N,8,1"), 4800);
    EXPECT_FALSE(baudOfSettings("fast"));
    EXPECT_EQ(bandIndexOfBaud(4800), 2);
    EXPECT_FALSE(bandIndexOfBaud(19200));
}

} // namespace
} // namespace ortavel
