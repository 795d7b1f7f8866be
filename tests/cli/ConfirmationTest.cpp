#include "cli/Confirmation.h"
#include "cli/WritePlan.h"

#include <gtest/gtest.h>

namespace ortavel::cli {
namespace {

TEST(ConfirmationTest, ReplyMustCarryTheValueSent)
{
    const auto write = [](std::string value, Expect expect, std::string newAddress = {}) {
        PlannedWrite w;
        w.value = std::move(value);
        w.expect = expect;
        w.newAddress = std::move(newAddress);
        return w;
    };
    const struct {
        PlannedWrite write;
        std::string result;
        bool confirmed;
    } cases[] = {
        {write("+012.5", Expect::Number), "*07+012.5\r", true},
        {write("+012.5", Expect::Number), "*0712.50\r", true},
        {write("+012.5", Expect::Number), "*07 12.5 \r", true},
        {write("+012.5", Expect::Number), "*0712.4\r", false},
        {write("+012.5", Expect::Number), "*0712.5kPa\r", false},
        {write("+012.5", Expect::Number), "*07\r", false},
        {write("0", Expect::Number), "ERR 0\r", false},
        {write("3", Expect::Number), "EER 3\r", false},
        {write("+012.5", Expect::Number), "*08+012.5\r", false},
        {write("+0123", Expect::Number), "*07123\r", true},
        {write("PT 100", Expect::Text), "*07PT 100\r", true},
        {write("PT 100", Expect::Text), "*07PT 100 \r", false},
        {write("PT 100", Expect::Text), "*07pt 100\r", false},
        {write("12", Expect::Number, "12"), "*1212\r", true},
        {write("12", Expect::Number, "12"), "*0712\r", true},
        {write("12", Expect::Number, "12"), "*0707\r", false},
        {write("1", Expect::BaudEcho), "*071\r", true},
        {write("1", Expect::BaudEcho), "*0701\r", false},
        {write("1", Expect::BaudEcho), "*081\r", false},
        {write("", Expect::Stored), "*07OK\r", true},
        {write("", Expect::Stored), "*07ok\r", false},
        {write("", Expect::Stored), "*08OK\r", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(isConfirmed(c.write, c.result, "07"), c.confirmed) << c.write.value << " / " << c.result;
}

} // namespace
} // namespace ortavel::cli
