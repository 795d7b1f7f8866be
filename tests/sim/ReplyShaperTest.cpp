#include "sim/ReplyShaper.h"
#include "link/ReplyCheck.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>

namespace ortavel::sim {
namespace {

std::string joined(const ShapedReply &shaped)
{
    return std::accumulate(shaped.bursts.begin(), shaped.bursts.end(), std::string());
}

TEST(ReplyShaper, FrameIsStartPayloadChecksumAndCarriageReturn)
{
    EXPECT_EQ(replyFrame("0101"), "*010100\r");
    EXPECT_EQ(replyFrame("01QX820"), "*01QX82032\r");
}

struct FaultCase {
    Fault fault;
    std::string expectedResult; // what the tool's reply check makes of the bytes
};

class FaultBytes : public ::testing::TestWithParam<FaultCase> {};

// "01" + "25.46" has the checksum 2A: a letter to lower-case.
const std::string kFrame = replyFrame("0125.46");

TEST_P(FaultBytes, SpoilTheReplyAsNamed)
{
    const FaultCase &c = GetParam();
    std::mt19937_64 random(5);
    for (int run = 0; run < 50; ++run) {
        const ShapedReply shaped = shapeReply(kFrame, c.fault, random);
        EXPECT_EQ(shaped.applied, c.fault);
        EXPECT_EQ(checkReply(joined(shaped)), c.expectedResult) << faultName(c.fault);
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultBytes,
                         ::testing::Values(FaultCase{Fault::None, "*0125.46\r"}, FaultCase{Fault::Silent, "ERR 0\r"},
                                           FaultCase{Fault::BadChecksum, "EER 3\r"},
                                           FaultCase{Fault::LowerCaseChecksum, "EER 3\r"},
                                           FaultCase{Fault::NoiseBefore, "EER 3\r"},
                                           FaultCase{Fault::BytesAfter, "EER 3\r"},
                                           FaultCase{Fault::Pieces, "*0125.46\r"}, FaultCase{Fault::Late, "*0125.46\r"},
                                           FaultCase{Fault::Collision, "EER 3\r"}));

TEST(ReplyShaper, BytesOfEachFault)
{
    std::mt19937_64 random(11);
    ASSERT_EQ(kFrame, "*0125.462A\r");

    EXPECT_TRUE(shapeReply(kFrame, Fault::Silent, random).bursts.empty());

    const std::string bad = joined(shapeReply(kFrame, Fault::BadChecksum, random));
    EXPECT_EQ(bad.size(), kFrame.size());
    EXPECT_EQ(bad.substr(0, 8), kFrame.substr(0, 8));
    EXPECT_NE(bad.substr(8, 2), "2A");
    EXPECT_EQ(bad.substr(8, 2).find_first_not_of("0123456789ABCDEF"), std::string::npos);

    EXPECT_EQ(joined(shapeReply(kFrame, Fault::LowerCaseChecksum, random)), "*0125.462a\r");

    for (int i = 0; i < 20; ++i) {
        const std::string noisy = joined(shapeReply(kFrame, Fault::NoiseBefore, random));
        ASSERT_GT(noisy.size(), kFrame.size());
        EXPECT_EQ(noisy.substr(noisy.size() - kFrame.size()), kFrame);
        EXPECT_EQ(noisy.find('\r'), noisy.size() - 1);

        const auto after = shapeReply(kFrame, Fault::BytesAfter, random);
        ASSERT_EQ(after.bursts.size(), 1U) << "stray bytes go with the frame";
        EXPECT_GT(after.bursts[0].size(), kFrame.size());
        EXPECT_EQ(after.bursts[0].substr(0, kFrame.size()), kFrame);
    }

    const auto pieces = shapeReply(kFrame, Fault::Pieces, random);
    EXPECT_EQ(pieces.bursts.size(), 3U);
    EXPECT_EQ(joined(pieces), kFrame);
    for (const auto &piece : pieces.bursts)
        EXPECT_FALSE(piece.empty());

    EXPECT_EQ(joined(shapeReply(kFrame, Fault::Late, random)), kFrame);
    EXPECT_EQ(joined(shapeReply(kFrame, Fault::Collision, random)), interleave({kFrame, kFrame}));
}

TEST(ReplyShaper, LowerCaseOfADigitOnlyChecksumIsNoFault)
{
    std::mt19937_64 random(1);
    const std::string frame = replyFrame("0101"); // checksum 00
    const ShapedReply shaped = shapeReply(frame, Fault::LowerCaseChecksum, random);
    EXPECT_EQ(shaped.applied, Fault::None);
    EXPECT_EQ(joined(shaped), frame);
}

TEST(ReplyShaper, InterleavesByteByByte)
{
    EXPECT_EQ(interleave({"abc", "12345"}), "a1b2c345");
    EXPECT_EQ(interleave({"*0101\r", "*0202\r"}), "**00120012\r\r");
}

TEST(Fault, NamesGoBothWays)
{
    EXPECT_EQ(faultFromName("none"), Fault::None);
    for (const Fault fault : kInjectableFaults)
        EXPECT_EQ(faultFromName(faultName(fault)), fault);
    EXPECT_EQ(faultFromName("Silent"), std::nullopt);
}

} // namespace
} // namespace ortavel::sim
