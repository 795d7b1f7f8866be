#include "ReadFixture.h"

namespace ortavel::test {
namespace {

struct TrimMove {
    int bar; // 1 or 2
    int position;
    const char *sent;
    const char *answer; // reply data; nullptr: no answer
    const char *shown;
};

void PrintTo(const TrimMove &c, std::ostream *out)
{
    *out << "VScroll" << c.bar << " to " << c.position;
}

class TrimTest : public ReadFixture, public ::testing::WithParamInterface<TrimMove> {};

TEST_P(TrimTest, MovingABarWritesItsTrimAndShowsTheAnswer)
{
    const auto &param = GetParam();
    FakeTransmitter &transmitter = findAndRead();
    const std::string letters = param.bar == 1 ? "ZF" : "FF";
    transmitter.script = [&](const std::string &command) -> std::optional<std::string> {
        if (command.size() > 2 && command.rfind(letters, 0) == 0 && param.answer != nullptr)
            return std::string(param.answer);
        return std::nullopt;
    };
    if (param.answer == nullptr)
        transmitter.silent.insert(letters);
    bus.clearRequests();

    ScrollBar &bar = param.bar == 1 ? window.VScroll1 : window.VScroll2;
    const TextBox &box = param.bar == 1 ? window.TXT_DAZF : window.TXT_DAFF;
    bar.setValue(param.position);

    EXPECT_EQ(bus.commands(), std::vector<std::string>{param.sent});
    EXPECT_EQ(box.text(), param.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, TrimTest,
    ::testing::Values(TrimMove{1, 124, "ZF+0124", "+0124", "+0124"}, TrimMove{2, -1, "FF-0001", "-0001", "-0001"},
                      TrimMove{2, 0, "FF+0000", "+0000", "+0000"}, TrimMove{1, 5000, "ZF+5000", "+4000", "+4000"},
                      TrimMove{1, -5000, "ZF-5000", "-5000", "-5000"},
                      TrimMove{2, 5000, "FF+5000", "", "*07\r"},       // a reply without data stays whole
                      TrimMove{1, 7, "ZF+0007", nullptr, "ERR 0\r"})); // no answer: shown whole

TEST_F(ReadFixture, SettingTheSamePositionSendsNothing)
{
    findAndRead();
    bus.clearRequests();
    window.VScroll1.setValue(123);
    EXPECT_FALSE(window.VScroll2.setValue(5001));
    EXPECT_TRUE(bus.requests().empty());
}

} // namespace
} // namespace ortavel::test
