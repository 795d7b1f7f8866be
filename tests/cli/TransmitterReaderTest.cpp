#include "FakeBus.h"

#include "cli/TransmitterReader.h"

#include <gtest/gtest.h>

namespace ortavel::cli {
namespace {

using test::FakeBus;
using test::FakeTransmitter;

TEST(TransmitterReaderTest, AsksEachParameterOnceInTheWindowsOrderThenTheTable)
{
    FakeBus fake;
    fake.add(FakeTransmitter{"07", 9600, FakeBus::typicalValues("2.00"), false, {}});
    const auto r = TransmitterReader(fake.bus, "07").readAll();
    std::vector<std::string> expected = {"TY", "VR", "OL", "OH", "DL",  "DH",  "UT",
                                         "ID", "DP", "ZF", "FF", "RP0", "RT0", "PN"};
    for (int i = 0; i < 8; ++i) {
        expected.push_back("UC" + std::to_string(i));
        expected.push_back("FC" + std::to_string(i));
    }
    EXPECT_EQ(fake.commands(), expected);
    EXPECT_TRUE(r.errors.empty());
    EXPECT_EQ(r.type, "PT-100");
    EXPECT_EQ(r.version, "2.00");
    EXPECT_EQ(r.unitCode, 0);
    EXPECT_EQ(r.decimals, 1);
    EXPECT_EQ(r.pressure, "+012.34");
    EXPECT_EQ(r.temperature, "25.46");
    EXPECT_EQ(r.calibration.points, 2);
    EXPECT_EQ(r.calibration.rows[3].standard, "30");
    EXPECT_EQ(r.calibration.rows[3].measured, "30.1");
    EXPECT_EQ(r.baud, 9600);
}

TEST(TransmitterReaderTest, ErrorResultsLeaveFieldsEmptyNeverTheirRemains)
{
    FakeBus fake;
    auto values = FakeBus::typicalValues("2.10");
    values["UT"] = "9";   // no unit of the table
    values["DP"] = "1.5"; // not a code
    values.erase("ID");   // answered without data: an empty text, read
    fake.add(FakeTransmitter{"07", 9600, values, false, {"OL"}});
    auto r = TransmitterReader(fake.bus, "07").readAll();
    EXPECT_EQ(r.id, "");
    EXPECT_EQ(r.output4mA, "");
    EXPECT_FALSE(r.unitCode);
    EXPECT_FALSE(r.decimals);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"unit", "*079"}, {"unit_code", "*079"}, {"decimals", "*071.5"}};
    EXPECT_EQ(r.errors, expected);

    FakeBus silent;
    silent.add(FakeTransmitter{"07", 9600, values, true, {}});
    r = TransmitterReader(silent.bus, "07").readAll();
    EXPECT_FALSE(r.type);
    EXPECT_FALSE(r.temperature);
    EXPECT_FALSE(r.calibration.points);
    EXPECT_FALSE(r.calibration.rows[7].measured);
    ASSERT_EQ(r.errors.size(), 31U);
    EXPECT_EQ(r.errors.front(), (std::pair<std::string, std::string>{"type", "ERR 0"}));
}

TEST(TransmitterReaderTest, AReplyFromAnotherAddressIsNotRead)
{
    FakeBus fake;
    fake.add(FakeTransmitter{"08", 9600, FakeBus::typicalValues("2.10"), false, {}});
    TransmitterReader reader(fake.bus, "07");
    std::string error;
    // The fake answers 08 only; a stray frame from 08 arrives for 07.
    fake.port.deliver(test::FakeSerialPort::replyFrame("08PT-100"), 1);
    EXPECT_FALSE(reader.readText("TY", error));
}

} // namespace
} // namespace ortavel::cli
