#include "link/Checksum.h"
#include "link/Exchange.h"
#include "link/ReplyCheck.h"

#include <gtest/gtest.h>

namespace ortavel {
namespace {

TEST(Checksum, KnownAnswers)
{
    const struct {
        std::string text;
        std::string checksum;
    } cases[] = {
        {"01TY", "0C"},
        {"0101", "00"},
        {"01", "01"},
        {"01RP0", "33"},
        {"", "00"},
        {"\x7F", "7F"},
        // UTF-8 bytes of a non-ASCII address take part byte by byte.
        {"\xE5\x9C\xA8", "D1"},
        {"\xFF", "FF"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PARITY_XORB(c.text), c.checksum) << c.text;
}

TEST(RequestFrame, CarriesAddressCommandChecksumAndCr)
{
    EXPECT_EQ(Exchange::requestFrame("01", "TY"), "$01TY0C\r");
    EXPECT_EQ(Exchange::requestFrame("01", "RP0"), "$01RP033\r");
    EXPECT_EQ(Exchange::requestFrame("", ""), "$00\r");
    EXPECT_EQ(Exchange::requestFrame("07", ""), "$0707\r");
}

TEST(ReplyCheck, JudgesEverythingReceived)
{
    const struct {
        const char *why;
        std::string received;
        std::string result;
    } cases[] = {
        {"nothing", "", "ERR 0\r"},
        {"four characters", "*01\r", "ERR 0\r"},
        {"five characters ending in CR", "*010\r", "ERR 0\r"},
        {"five characters without CR", "*0101", "ERR 0\r"},
        {"shortest good reply, no data", "*0101\r", "*01\r"},
        {"address query answer", "*010100\r", "*0101\r"},
        {"upper-case checksum", "*01TY0C\r", "*01TY\r"},
        {"lower-case checksum", "*01TY0c\r", "EER 3\r"},
        {"wrong checksum", "*010101\r", "EER 3\r"},
        {"no CR", "*0101000", "EER 3\r"},
        {"LF instead of CR", "*010100\n", "EER 3\r"},
        {"noise before", "x*010100\r", "EER 3\r"},
        {"bytes after", "*010100\rzz", "EER 3\r"},
        {"two replies", "*010100\r*010100\r", "EER 3\r"},
        {"wrong start", "#010100\r", "EER 3\r"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(checkReply(c.received), c.result) << c.why;
    // The start of one reply run into another, with a checksum that fits both.
    const std::string inner = "01+0000*01+0000.00";
    EXPECT_EQ(checkReply("*" + inner + PARITY_XORB(inner) + "\r"), "EER 3\r");
}

TEST(ReplyCheck, PassesEveryWellFormedFrame)
{
    for (const std::string payload : {"01", "0101", "05+012.34", "07OK", "12 space and ~"}) {
        const std::string frame = "*" + payload + PARITY_XORB(payload) + "\r";
        EXPECT_EQ(checkReply(frame), "*" + payload + "\r") << payload;
    }
}

} // namespace
} // namespace ortavel
