#include "sim/Transmitter.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace ortavel::sim {
namespace {

TransmitterConfig testConfig()
{
    TransmitterConfig t;
    t.address = 5;
    t.baud = 4800;
    t.version = "2.10";
    t.sensorLow = -10.0;
    t.sensorHigh = 250.0;
    t.sensorUnit = 3;
    t.working.type = "QX820";
    t.working.ident = "SN42";
    t.working.unit = 1;
    t.working.decimals = 2;
    t.working.displayLow = -1.5;
    t.working.displayHigh = 250.0;
    t.working.outputLow = 0.0;
    t.working.outputHigh = 200.0;
    t.working.trimZero = 123;
    t.working.trimFull = -45;
    t.working.pointCount = 2;
    t.working.measured = {0.01, 99.98, 0, 0, 0, 0, 0, 7.5};
    t.working.standard = {0.0, 100.0, 0, 0, 0, 0, 0, 0};
    t.pressure = 12.345;
    t.temperature = 25.46;
    t.valueLow = -100.0;
    t.valueHigh = 1000.0;
    return t;
}

struct CommandCase {
    std::string command;
    std::optional<std::string> reply; // nullopt: no answer
    std::string readBack = {};        // a read that must show the value in force afterwards
    std::string readBackReply = {};
};

class TransmitterCommands : public ::testing::TestWithParam<CommandCase> {};

TEST_P(TransmitterCommands, AnswersWithTheValueInForce)
{
    const CommandCase &c = GetParam();
    Transmitter transmitter(testConfig(), 1);
    EXPECT_EQ(transmitter.answer(c.command), c.reply) << c.command;
    if (!c.readBack.empty()) {
        EXPECT_EQ(transmitter.answer(c.readBack), c.readBackReply) << c.command << " then " << c.readBack;
    }
}

INSTANTIATE_TEST_SUITE_P(Reads, TransmitterCommands,
                         ::testing::Values(CommandCase{"AD", "05"}, CommandCase{"BD", "2"}, CommandCase{"VR", "2.10"},
                                           CommandCase{"SL", "-10.00"}, CommandCase{"SH", "+250.00"},
                                           CommandCase{"FU", "3"}, CommandCase{"DL", "-01.50"},
                                           CommandCase{"DH", "+250.00"}, CommandCase{"UT", "1"}, CommandCase{"DP", "2"},
                                           CommandCase{"OL", "+00.00"}, CommandCase{"FF", "-0045"},
                                           CommandCase{"FC7", "+07.50"}, CommandCase{"RP0", "+12.35"},
                                           CommandCase{"RT0", "25.46"}));

INSTANTIATE_TEST_SUITE_P(
    Writes, TransmitterCommands,
    ::testing::Values(CommandCase{"TYPT-100", "PT-100", "TY", "PT-100"},
                      CommandCase{"ID1234567890ABCDEF", "1234567890ABCDEF", "ID", "1234567890ABCDEF"},
                      CommandCase{"DL+012.5", "+12.50", "DL", "+12.50"}, CommandCase{"DH.5", "+00.50", "DH", "+00.50"},
                      CommandCase{"UT6", "6", "UT", "6"}, CommandCase{"DP0", "0", "DL", "-0002."},
                      CommandCase{"DP4", "4", "OH", "+200.0000"}, CommandCase{"OH1000", "+1000.00"},
                      CommandCase{"ZF-0045", "-0045", "ZF", "-0045"}, CommandCase{"ZF5000", "+5000", "ZF", "+5000"},
                      CommandCase{"FF+0", "+0000", "FF", "+0000"}, CommandCase{"PN8", "8", "PN", "8"},
                      CommandCase{"FC3+1.5", "+01.50", "FC3", "+01.50"},
                      CommandCase{"UC0-20", "-20.00", "UC0", "-20.00"}));

// Values a transmitter cannot take leave the old one, and it answers that.
INSTANTIATE_TEST_SUITE_P(
    RejectedValues, TransmitterCommands,
    ::testing::Values(CommandCase{"UT7", "1", "UT", "1"}, CommandCase{"UT10", "1"}, CommandCase{"DP5", "2", "DP", "2"},
                      CommandCase{"DL12a", "-01.50"}, CommandCase{"DL1.2.3", "-01.50"}, CommandCase{"DL+", "-01.50"},
                      CommandCase{"DH100000", "+250.00"}, CommandCase{"DL-100.01", "-01.50"},
                      CommandCase{"OH1000.5", "+200.00", "OH", "+200.00"},
                      CommandCase{"ZF5001", "+0123", "ZF", "+0123"}, CommandCase{"ZF12.5", "+0123"},
                      CommandCase{"ZF+01234", "+0123"}, CommandCase{"PN9", "2"},
                      CommandCase{"TY12345678901234567", "QX820"}, CommandCase{"TY\xE4\xB8\xAD", "QX820"},
                      CommandCase{"AD00", "05", "AD", "05"}, CommandCase{"ADAA", "05"}, CommandCase{"BD4", "2"}));

// Commands a transmitter does not know get no answer at all.
INSTANTIATE_TEST_SUITE_P(Unknown, TransmitterCommands,
                         ::testing::Values(CommandCase{"", std::nullopt}, CommandCase{"XX", std::nullopt},
                                           CommandCase{"RP1", std::nullopt}, CommandCase{"VR2.00", std::nullopt},
                                           CommandCase{"SL5", std::nullopt}, CommandCase{"SZ1", std::nullopt},
                                           CommandCase{"WU1", std::nullopt}, CommandCase{"FC", std::nullopt},
                                           CommandCase{"FC8", std::nullopt}));

TEST(Transmitter, StoresWorkingParametersInTheUserAndFactoryAreas)
{
    Transmitter transmitter(testConfig(), 1);
    const DataArea original = testConfig().working;

    ASSERT_EQ(transmitter.answer("DL+007.0"), "+07.00");
    EXPECT_EQ(transmitter.state().user, original);
    EXPECT_EQ(transmitter.answer("WU"), "OK");
    EXPECT_EQ(transmitter.state().user, transmitter.state().config.working);
    EXPECT_EQ(transmitter.state().factory, original);

    ASSERT_EQ(transmitter.answer("DH+300"), "+300.00");
    EXPECT_EQ(transmitter.answer("WF"), "OK");
    EXPECT_EQ(transmitter.state().factory.displayHigh, 300.0);
    EXPECT_EQ(transmitter.state().user.displayHigh, 250.0);

    // LD brings back the factory area as the working parameters.
    ASSERT_EQ(transmitter.answer("UT5"), "5");
    EXPECT_EQ(transmitter.answer("LD"), "OK");
    EXPECT_EQ(transmitter.state().config.working, transmitter.state().factory);

    // A factory area of its own, not the working values, is what LD restores.
    TransmitterConfig config = testConfig();
    config.factory = config.working;
    config.factory->trimZero = -9;
    config.factory->displayHigh = 400.0;
    Transmitter restored(config, 1);
    ASSERT_EQ(restored.answer("ZF"), "+0123");
    EXPECT_EQ(restored.answer("LD"), "OK");
    EXPECT_EQ(restored.answer("ZF"), "-0009");
    EXPECT_EQ(restored.answer("DH"), "+400.00");
}

TEST(Transmitter, SetZeroMakesTheLivePressureZero)
{
    TransmitterConfig config = testConfig();
    config.pressureNoise = 0.004;
    Transmitter transmitter(config, 3);
    const double before = std::stod(*transmitter.answer("RP0"));
    EXPECT_NEAR(before, 12.345, 0.01);
    const auto zeroReply = transmitter.answer("SZ");
    ASSERT_TRUE(zeroReply);
    EXPECT_NEAR(std::stod(*zeroReply), 0.0, 0.005);
    EXPECT_NEAR(std::stod(*transmitter.answer("RP0")), 0.0, 0.005);
}

TEST(Transmitter, NoiseIsTheSameForTheSameSeed)
{
    TransmitterConfig config = testConfig();
    config.pressureNoise = 0.5;
    config.temperatureNoise = 0.5;
    const auto readings = [&config](std::uint64_t seed) {
        Transmitter transmitter(config, seed);
        std::vector<std::string> texts;
        for (int i = 0; i < 20; ++i)
            texts.push_back(*transmitter.answer(i % 2 == 0 ? "RP0" : "RT0"));
        return texts;
    };
    const auto a = readings(99);
    EXPECT_EQ(a, readings(99));
    EXPECT_NE(a, readings(100));
    for (std::size_t i = 0; i < a.size(); i += 2)
        EXPECT_NEAR(std::stod(a[i]), 12.345, 0.5 + 0.005) << "pressure within its noise";
}

TEST(Transmitter, NewAddressAndRateTakeEffectOnlyWhenCommitted)
{
    Transmitter transmitter(testConfig(), 1);
    EXPECT_EQ(transmitter.answer("AD17"), "17");
    EXPECT_EQ(transmitter.answer("BD3"), "3");
    EXPECT_EQ(transmitter.address(), 5);
    transmitter.commitPending();
    EXPECT_FALSE(transmitter.hasPending());
    EXPECT_EQ(transmitter.address(), 17);
    EXPECT_EQ(transmitter.baud(), 9600);
    // A refused value leaves nothing pending.
    EXPECT_EQ(transmitter.answer("BD9"), "3");
    EXPECT_FALSE(transmitter.hasPending());
}

} // namespace
} // namespace ortavel::sim
