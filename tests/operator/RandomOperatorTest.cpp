#include "RandomOperator.h"

#if ORTAVEL_OPERATOR_NETWORK
#include "NetworkLine.h"
#endif

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace ortavel::test {
namespace {

std::uint64_t fromEnvironment(const char *name, std::uint64_t fallback)
{
    const char *text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::stoull(text) : fallback;
}

bool tracing()
{
    return std::getenv("ORTAVEL_OPERATOR_TRACE") != nullptr;
}

// A failure names the seed and count that replay it (ORTAVEL_OPERATOR_SEED and ORTAVEL_OPERATOR_ACTIONS run
// that one alone); ORTAVEL_OPERATOR_TRACE=1 prints each action as it starts and each request with its reply.
TEST(RandomOperatorTest, NoValueReachesATransmitterThatDidNotReportItOrGetItTyped)
{
    const std::uint64_t seeds[] = {20261206, 7, 99, 1};
    const bool one = std::getenv("ORTAVEL_OPERATOR_SEED") != nullptr;
    for (const std::uint64_t fallback : seeds) {
        const auto seed = fromEnvironment("ORTAVEL_OPERATOR_SEED", fallback);
        const auto count = static_cast<int>(fromEnvironment("ORTAVEL_OPERATOR_ACTIONS", 20000));
        const auto run = runRandomOperator(seed, count, tracing());
        ASSERT_TRUE(run.failure.empty()) << replayText(run);
        // The run must have met the faults and writes it is there to check.
        EXPECT_GT(run.faultsInjected, 0);
        EXPECT_GT(run.writesChecked, 0);
        if (one)
            break;
    }
}

#if ORTAVEL_OPERATOR_NETWORK
// One seed in real time: each request goes through the program's own port, ser2net and a pseudo-terminal
// to the simulator, which must meet every frame as the window wrote it.
TEST(RandomOperatorTest, HoldsThroughADeviceServerInRfc2217Mode)
{
    const auto seed = fromEnvironment("ORTAVEL_OPERATOR_SEED", 42);
    NetworkLine line;
    ASSERT_TRUE(line.start(operatorLayout(seed))) << line.error();
    const auto count = static_cast<int>(fromEnvironment("ORTAVEL_OPERATOR_ACTIONS", 100));
    const auto run = runRandomOperator(line, seed, count, tracing());
    ASSERT_TRUE(run.failure.empty()) << replayText(run);
    EXPECT_GT(run.faultsInjected, 0);
    EXPECT_GT(run.writesChecked, 0);
    EXPECT_GT(line.framesCarried(), run.requests / 2) << "most requests go to a bus";
}
#endif

} // namespace
} // namespace ortavel::test
