#include "app/AppOptions.h"

#include <gtest/gtest.h>

namespace ortavel::test {
namespace {

struct Refused {
    std::vector<std::string> args;
    const char *errorPart;
};

void PrintTo(const Refused &refused, std::ostream *out)
{
    for (const std::string &arg : refused.args)
        *out << arg << ' ';
}

class RefusedOptionsTest : public ::testing::TestWithParam<Refused> {};

TEST_P(RefusedOptionsTest, NamesTheProblem)
{
    std::string error;
    EXPECT_FALSE(parseAppOptions(GetParam().args, error).has_value());
    EXPECT_NE(error.find(GetParam().errorPart), std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RefusedOptionsTest,
    ::testing::Values(
        Refused{{"--port-map", "7=/dev/pts/3"}, "N=PATH"}, Refused{{"--port-map", "1="}, "N=PATH"},
        Refused{{"--port-map"}, "needs a value"}, Refused{{"--screenshot", "a.png", "--search-last", "0"}, "1 to 99"},
        Refused{{"--search-last", "100"}, "1 to 99"}, Refused{{"--search-last", "12x"}, "1 to 99"},
        Refused{{"--search"}, "--screenshot"}, Refused{{"--settings-dir", ""}, "needs a value"},
        Refused{{"--port", "1"}, "unknown option --port"}, Refused{{"--window", "frmYHJZ"}, "--screenshot"},
        Refused{{"--screenshot", "a.png", "--window", "Ortavel"},
                "frmYHJZ or FrmOrtavelAbout, Traffic, Trend or Verification"},
        Refused{{"--history", "mysql:plant"}, "--history: "}, Refused{{"--language", "de"}, "spec, en or zh"}));

TEST(AppOptionsTest, TakesEveryOptionInAnyOrder)
{
    std::string error;
    const auto options = parseAppOptions(
        {
            "--search", "--port-map", "2=/dev/pts/4", "--screenshot", "shot.png", "--port-map", "1=/tmp/sim link",
                "--search-last", "12", "--settings-dir", "/tmp/s", "--language", "zh"
#if ORTAVEL_HISTORY
                ,
                "--history", "sqlite:/tmp/h.sqlite"
#endif
        },
        error);
    ASSERT_TRUE(options.has_value()) << error;
#if ORTAVEL_HISTORY
    EXPECT_EQ(options->history, "sqlite:/tmp/h.sqlite");
#endif
    const std::vector<std::pair<int, std::string>> expected{{2, "/dev/pts/4"}, {1, "/tmp/sim link"}};
    EXPECT_EQ(options->portMap, expected);
    EXPECT_EQ(options->screenshot, "shot.png");
    EXPECT_TRUE(options->search);
    EXPECT_EQ(options->searchLast, 12);
    EXPECT_EQ(options->settingsDir, "/tmp/s");
    EXPECT_EQ(options->language, "zh");
}

} // namespace
} // namespace ortavel::test
