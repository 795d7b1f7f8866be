#include "sim/BusLoader.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace ortavel::sim {
namespace {

using namespace std::string_literals;

TEST(BusLoader, ReadsEveryFieldOfATransmitter)
{
    const std::string json = R"({
      "seed": 42,
      "randomFaults": 0.25,
      "transmitters": [
        {"address": 3, "baud": 1200, "version": "2.00", "type": "QX830", "id": "ABC-1",
         "unit": 4, "decimals": 1, "sensorLow": -5, "sensorHigh": 60.5, "sensorUnit": 2,
         "displayLow": -1.5, "displayHigh": 50, "outputLow": 2, "outputHigh": 48,
         "trimZero": -5000, "trimFull": 5000, "pointCount": 8,
         "measured": [1, 2, 3, 4, 5, 6, 7, 8], "standard": [0.5],
         "pressure": 12.5, "pressureNoise": 0.1, "temperature": -3.5, "temperatureNoise": 0.2,
         "fault": "bytes-after", "valueLow": -10, "valueHigh": 60,
         "factory": {"type": "QX800", "unit": 2, "trimZero": 7, "measured": [9]}},
        {"address": "07", "randomFaults": 0, "fault": "stray-before"}
      ]})";
    std::string error;
    const auto bus = BusLoader::fromJson(json, error);
    ASSERT_TRUE(bus) << error;
    EXPECT_EQ(bus->seed, 42U);
    ASSERT_EQ(bus->transmitters.size(), 2U);
    const TransmitterConfig &t = bus->transmitters[0];
    const DataArea &w = t.working;
    EXPECT_EQ(std::tie(t.address, t.baud, t.version, w.type, w.ident),
              std::tuple(3, 1200, "2.00"s, "QX830"s, "ABC-1"s));
    EXPECT_EQ(std::tie(w.unit, w.decimals, t.sensorLow, t.sensorHigh, t.sensorUnit), std::tuple(4, 1, -5.0, 60.5, 2));
    EXPECT_EQ(std::tie(w.displayLow, w.displayHigh, w.outputLow, w.outputHigh), std::tuple(-1.5, 50.0, 2.0, 48.0));
    EXPECT_EQ(std::tie(w.trimZero, w.trimFull, w.pointCount), std::tuple(-5000, 5000, 8));
    EXPECT_EQ(std::tie(w.measured[7], w.standard[0], w.standard[1]), std::tuple(8.0, 0.5, 0.0));
    EXPECT_EQ(std::tie(t.pressure, t.pressureNoise, t.temperature, t.temperatureNoise),
              std::tuple(12.5, 0.1, -3.5, 0.2));
    EXPECT_EQ(t.fault.fault, Fault::BytesAfter);
    EXPECT_EQ(t.fault.randomProbability, 0.25) << "the bus's probability is the default";
    EXPECT_EQ(std::tie(t.valueLow, t.valueHigh), std::tuple(-10.0, 60.0));
    // The factory area: what it names, else the working values.
    ASSERT_TRUE(t.factory);
    DataArea factory = w;
    factory.type = "QX800";
    factory.unit = 2;
    factory.trimZero = 7;
    factory.measured[0] = 9.0;
    EXPECT_EQ(*t.factory, factory);

    const TransmitterConfig &second = bus->transmitters[1];
    EXPECT_EQ(second.address, 7);
    EXPECT_EQ(second.baud, 9600);
    EXPECT_EQ(second.fault.randomProbability, 0.0);
    EXPECT_EQ(second.fault.fault, Fault::StrayBefore);
    EXPECT_FALSE(second.factory);
}

TEST(BusLoader, AnEmptyBusIsValid)
{
    std::string error;
    const auto bus = BusLoader::fromJson("{}", error);
    ASSERT_TRUE(bus) << error;
    EXPECT_TRUE(bus->transmitters.empty());
}

struct BadCase {
    const char *json;
    const char *messagePart;
};

class BusLoaderRejects : public ::testing::TestWithParam<BadCase> {};

TEST_P(BusLoaderRejects, WithAMessageThatSaysWhere)
{
    std::string error;
    EXPECT_FALSE(BusLoader::fromJson(GetParam().json, error));
    EXPECT_NE(error.find(GetParam().messagePart), std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(
    Descriptions, BusLoaderRejects,
    ::testing::Values(BadCase{"{\"transmitters\": [", "invalid JSON"}, BadCase{"[]", "must be a JSON object"},
                      BadCase{R"({"transmiters": []})", "unknown key"},
                      BadCase{R"({"transmitters": {}})", "bus.transmitters"},
                      BadCase{R"({"transmitters": [5]})", "transmitters[0]: must be an object"},
                      BadCase{R"({"transmitters": [{}]})", "transmitters[0].address: missing"},
                      BadCase{R"({"transmitters": [{"address": 0}]})", "transmitters[0].address"},
                      BadCase{R"({"transmitters": [{"address": 100}]})", "address"},
                      BadCase{R"({"transmitters": [{"address": "5"}]})", "address"},
                      BadCase{R"({"transmitters": [{"address": 1.5}]})", "address"},
                      BadCase{R"({"transmitters": [{"address": 1}, {"address": 2, "baud": 19200}]})",
                              "transmitters[1].baud"},
                      BadCase{R"({"transmitters": [{"address": 1, "unit": 7}]})", ".unit"},
                      BadCase{R"({"transmitters": [{"address": 1, "decimals": 5}]})", ".decimals"},
                      BadCase{R"({"transmitters": [{"address": 1, "sensorUnit": -1}]})", ".sensorUnit"},
                      BadCase{R"({"transmitters": [{"address": 1, "trimZero": 5001}]})", ".trimZero"},
                      BadCase{R"({"transmitters": [{"address": 1, "pointCount": 9}]})", ".pointCount"},
                      BadCase{R"({"transmitters": [{"address": 1, "measured": [1,2,3,4,5,6,7,8,9]}]})", ".measured"},
                      BadCase{R"({"transmitters": [{"address": 1, "standard": ["x"]}]})", ".standard[0]"},
                      BadCase{R"({"transmitters": [{"address": 1, "displayLow": "abc"}]})", ".displayLow"},
                      BadCase{R"({"transmitters": [{"address": 1, "displayHigh": 1e9}]})", ".displayHigh"},
                      BadCase{R"({"transmitters": [{"address": 1, "id": "12345678901234567"}]})", ".id"},
                      BadCase{R"({"transmitters": [{"address": 1, "version": 2}]})", ".version"},
                      BadCase{R"({"transmitters": [{"address": 1, "fault": "loud"}]})", ".fault"},
                      BadCase{R"({"transmitters": [{"address": 1, "randomFaults": 1.5}]})", ".randomFaults"},
                      BadCase{R"({"transmitters": [{"address": 1, "pressureNoise": -1}]})", ".pressureNoise"},
                      BadCase{R"({"transmitters": [{"address": 1, "colour": "red"}]})", "unknown key \"colour\""},
                      BadCase{R"({"transmitters": [{"address": 1, "factory": 5}]})", "[0].factory: must be an object"},
                      BadCase{R"({"transmitters": [{"address": 1, "factory": {"address": 2}}]})",
                              "[0].factory: unknown key \"address\""},
                      BadCase{R"({"transmitters": [{"address": 1, "factory": {"unit": 7}}]})", ".factory.unit"},
                      BadCase{R"({"transmitters": [{"address": 1, "valueLow": 5, "valueHigh": 4}]})", ".valueHigh"},
                      BadCase{R"({"seed": -1})", "bus.seed"}, BadCase{R"({"seed": 1.5})", "bus.seed"}));

TEST(BusLoader, TheShippedExampleLoads)
{
    std::string error;
    const auto bus = BusLoader::fromFile(ORTAVEL_SIM_EXAMPLE, error);
    ASSERT_TRUE(bus) << error;
    ASSERT_EQ(bus->transmitters.size(), 3U);
    EXPECT_EQ(bus->transmitters[1].version, "2.00");
    EXPECT_EQ(bus->transmitters[1].fault.fault, Fault::Pieces);
    EXPECT_EQ(bus->transmitters[2].fault.randomProbability, 0.1);
}

} // namespace
} // namespace ortavel::sim
