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

// A failure names the seed and count that replay it; ORTAVEL_OPERATOR_TRACE=1 prints each action as it
// starts, for a crash or a hang.
TEST(RandomOperatorTest, NoErrorResultIsShownAsAValueOrSentBack)
{
    const auto seed = fromEnvironment("ORTAVEL_OPERATOR_SEED", 20261206);
    const auto count = static_cast<int>(fromEnvironment("ORTAVEL_OPERATOR_ACTIONS", 5000));
    const auto run = runRandomOperator(seed, count, std::getenv("ORTAVEL_OPERATOR_TRACE") != nullptr);
    ASSERT_TRUE(run.failure.empty()) << replayText(run);
    // The run must have met the faults and writes it is there to check.
    EXPECT_GT(run.faultsInjected, 0);
    EXPECT_GT(run.writesChecked, 0);
}

} // namespace
} // namespace ortavel::test
