#include "sim/RequestParser.h"
#include "link/Exchange.h"
#include "sim/FrameSplitter.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

namespace ortavel::sim {
namespace {

struct FrameCase {
    const char *name;
    std::string frame;
    std::optional<Request> expected;
};

std::string frameOf(const std::string &address, const std::string &command)
{
    return Exchange::requestFrame(address, command);
}

class RequestParserTable : public ::testing::TestWithParam<FrameCase> {};

TEST_P(RequestParserTable, ParsesOrRejects)
{
    const FrameCase &c = GetParam();
    EXPECT_EQ(parseRequest(c.frame), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Frames, RequestParserTable,
                         ::testing::Values(
                             // Good frames.
                             FrameCase{"type read", std::string("$01TY0C\r"), Request{"01", "TY"}},
                             FrameCase{"pressure", frameOf("99", "RP0"), Request{"99", "RP0"}},
                             FrameCase{"broadcast", frameOf("AA", "WU"), Request{"AA", "WU"}},
                             FrameCase{"address 00 is a frame", frameOf("00", "AD"), Request{"00", "AD"}},
                             // Malformed frames.
                             FrameCase{"empty", std::string(), std::nullopt},
                             FrameCase{"no start", std::string("01TY0C\r"), std::nullopt},
                             FrameCase{"no CR", std::string("$01TY0C"), std::nullopt},
                             FrameCase{"wrong checksum", std::string("$01TY0D\r"), std::nullopt},
                             FrameCase{"one-letter command", frameOf("01", "T"), std::nullopt},
                             FrameCase{"letter in address", frameOf("0A", "TY"), std::nullopt},
                             FrameCase{"lower-case broadcast", frameOf("aa", "TY"), std::nullopt},
                             FrameCase{"CR inside", std::string("$01T\rY") + "00\r", std::nullopt}));

// Any frame the parser takes, from whatever bytes, is the frame the tool builds for its address and command.
TEST(RequestParser, AcceptsOnlyWhatTheToolWouldSend)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 14);
    const std::string good = frameOf("42", "DH+100.0");
    int accepted = 0;
    for (int i = 0; i < 20000; ++i) {
        std::string frame;
        if (i % 2 == 0) {
            const int n = length(random);
            for (int j = 0; j < n; ++j)
                frame += static_cast<char>(byte(random));
        } else {
            // Single-byte changes of a good frame.
            frame = good;
            frame[static_cast<std::size_t>(random() % frame.size())] = static_cast<char>(byte(random));
        }
        const auto request = parseRequest(frame);
        if (request) {
            ++accepted;
            EXPECT_EQ(frameOf(request->address, request->command), frame);
        }
    }
    EXPECT_GT(accepted, 0); // the unchanged mutations at least
}

using Frames = std::vector<std::string>;

// Frames end at each CR; clear drops a partial frame; an overlong run is dropped up to its CR.
TEST(FrameSplitter, CutsAtEachCarriageReturn)
{
    FrameSplitter splitter;
    EXPECT_EQ(splitter.feed("$01TY0C\r$01V"), Frames{"$01TY0C\r"});
    EXPECT_EQ(splitter.feed("R05\r\r"), (Frames{"$01VR05\r", "\r"}));
    EXPECT_EQ(splitter.feed("$01T"), Frames{});
    splitter.clear();
    EXPECT_EQ(splitter.feed("$01TY0C\r"), Frames{"$01TY0C\r"});

    EXPECT_EQ(splitter.feed(std::string(FrameSplitter::kMaxFrame + 10, 'x')), Frames{});
    EXPECT_EQ(splitter.feed("yy\r$01TY0C\r"), Frames{"$01TY0C\r"});
    const std::string longest = std::string(FrameSplitter::kMaxFrame, 'z') + "\r";
    EXPECT_EQ(splitter.feed(longest), Frames{longest});
}

} // namespace
} // namespace ortavel::sim
