#include "sim/FrameSplitter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ortavel::sim {
namespace {

using Frames = std::vector<std::string>;

TEST(FrameSplitter, CutsAtEachCarriageReturn)
{
    FrameSplitter splitter;
    EXPECT_EQ(splitter.feed("$01TY0C\r$01V"), Frames{"$01TY0C\r"});
    EXPECT_EQ(splitter.feed("R05\r\r"), (Frames{"$01VR05\r", "\r"}));
    EXPECT_EQ(splitter.feed(""), Frames{});
}

TEST(FrameSplitter, ClearDropsThePartialFrame)
{
    FrameSplitter splitter;
    EXPECT_EQ(splitter.feed("$01T"), Frames{});
    splitter.clear();
    EXPECT_EQ(splitter.feed("$01TY0C\r"), Frames{"$01TY0C\r"});
}

TEST(FrameSplitter, DropsAnOverlongRunUpToItsCarriageReturn)
{
    FrameSplitter splitter;
    const std::string flood(FrameSplitter::kMaxFrame + 10, 'x');
    EXPECT_EQ(splitter.feed(flood), Frames{});
    EXPECT_EQ(splitter.feed("yy\r$01TY0C\r"), Frames{"$01TY0C\r"});
    // A frame of the largest length still passes.
    const std::string longest = std::string(FrameSplitter::kMaxFrame, 'z') + "\r";
    EXPECT_EQ(splitter.feed(longest), Frames{longest});
}

} // namespace
} // namespace ortavel::sim
