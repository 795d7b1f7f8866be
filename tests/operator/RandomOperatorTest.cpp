#include "RandomOperator.h"

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

// A failure names the seed and count that replay it (ORTAVEL_OPERATOR_SEED and ORTAVEL_OPERATOR_ACTIONS run
// that one alone); ORTAVEL_OPERATOR_TRACE=1 prints each action as it starts and each request with its reply.
TEST(RandomOperatorTest, NoValueReachesATransmitterThatDidNotReportItOrGetItTyped)
{
    const std::uint64_t seeds[] = {20261206, 7, 99, 1};
    const bool one = std::getenv("ORTAVEL_OPERATOR_SEED") != nullptr;
    for (const std::uint64_t fallback : seeds) {
        const auto seed = fromEnvironment("ORTAVEL_OPERATOR_SEED", fallback);
        const auto count = static_cast<int>(fromEnvironment("ORTAVEL_OPERATOR_ACTIONS", 20000));
        const auto run = runRandomOperator(seed, count, std::getenv("ORTAVEL_OPERATOR_TRACE") != nullptr);
        ASSERT_TRUE(run.failure.empty()) << replayText(run);
        // The run must have met the faults and writes it is there to check.
        EXPECT_GT(run.faultsInjected, 0);
        EXPECT_GT(run.writesChecked, 0);
        if (one)
            break;
    }
}

} // namespace
} // namespace ortavel::test
