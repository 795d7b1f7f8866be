// The command line's logic on its own and on a fake serial port with transmitters behind it.

#include "support/FakeClock.h"
#include "support/FakeSerialPort.h"

#include "cli/AddressText.h"
#include "cli/Applier.h"
#include "cli/BackupJson.h"
#include "cli/BusSearch.h"
#include "cli/CollectLoop.h"
#include "cli/CommonOptions.h"
#include "cli/Confirmation.h"
#include "cli/ExchangeBus.h"
#include "cli/ReportOutput.h"
#include "cli/SendCommand.h"
#include "cli/SettingChecker.h"
#include "cli/TargetFactsRead.h"
#include "cli/TransmitterReader.h"
#include "cli/WritePlan.h"
#include "cli/WriteRunner.h"
#include "link/LineSettings.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <map>

namespace ortavel::cli {
namespace {

using test::FakeReply;
using test::FakeSerialPort;

std::vector<CheckedSetting> checkedOf(const std::vector<std::string> &arguments)
{
    std::vector<std::string> errors;
    auto checked = SettingChecker::check(arguments, errors);
    EXPECT_TRUE(checked) << (errors.empty() ? "" : errors.front());
    return checked.value_or(std::vector<CheckedSetting>{});
}

std::vector<std::string> commandsOf(const std::vector<PlannedWrite> &plan)
{
    std::vector<std::string> commands;
    for (const auto &write : plan)
        commands.push_back(write.command);
    return commands;
}

TEST(BackupFileTest, RejectsFilesItCannotTrust)
{
    const std::string head = R"({"format":"ortavel-backup","format_version":1,)";
    const struct {
        std::string json;
        std::string errorPart;
    } cases[] = {
        {"not json", "not a JSON object"},
        {R"({"format":"other","format_version":1})", "not an ortavel backup"},
        {R"({"format":"ortavel-backup","format_version":2})", "version 2"},
        {head + R"("settings":{"address":"05"}})", "settings.address"},
        {head + R"("settings":{"id":"X"}})", "settings.id"},
        {head + R"("settings":{"unit":[1]}})", "text or a number"},
        {head + R"("calibration":{"points":9,"table":[]}})", "calibration.points: 9 is not a whole number from 0 to 8"},
        {head + R"("calibration":{"points":2.5,"table":[]}})", "calibration.points: 2.5 is not a whole number"},
        {head + R"("calibration":{"points":"2","table":[]}})", "calibration.points: \"2\" is not a whole number"},
        {head + R"("calibration":{"table":[]}})", "calibration.points: null is not a whole number"},
        {head + R"("calibration":{"points":1,"table":[{"standard":"1"}]}})", "calibration.table.0"},
        // Nothing apply could write would still be reported as confirmed.
        {head + R"("source":{"address":"03"}})", "settings holds none of the keys apply writes"},
        {head + R"("settings":{}})", "settings holds none of the keys apply writes"},
        {head + R"("settings":[{"type":"X"}]})", "settings must be an object"},
        {head + R"("settings":{"type":100}})", "settings.type must be a text"},
        {head + R"("settings":{"display_zero":true}})", "settings.display_zero must be a text or a number"},
        {head + R"("settings":{"output_4ma":null}})",
         "settings holds no value to write: every key is saved as not read"},
        {head + R"("settings":"type=X"})", "settings must be an object"},
        {head + R"("settings":{"unit":1},"calibration":[]})", "calibration must be an object or null"},
    };
    for (const auto &c : cases) {
        std::string error;
        EXPECT_FALSE(parseBackup(QByteArray::fromStdString(c.json), error)) << c.json;
        EXPECT_NE(error.find(c.errorPart), std::string::npos) << c.json << " -> " << error;
    }
    std::string error;
    const auto numbers = parseBackup(
        QByteArray::fromStdString(head + R"("settings":{"unit":4,"display_zero":12.5,"trim_4ma":-3}})"), error);
    ASSERT_TRUE(numbers) << error;
    std::vector<std::string> errors;
    EXPECT_TRUE(SettingChecker::check(numbers->settings, errors));
    // Codes are written back as numbers, as a person editing the file expects.
    EXPECT_TRUE(QJsonDocument::fromJson(backupToJson(*numbers))["settings"]["unit"].isDouble());
}

// A value saved as not read stays so through the file and never goes out; the rest keep the write order.
TEST(BackupFileTest, ValuesSavedAsNotReadAreKeptAndNeverWritten)
{
    std::string error;
    const auto file = parseBackup(QByteArray::fromStdString(R"({"format":"ortavel-backup","format_version":1,)"
                                                            R"("settings":{"trim_4ma":null,"unit":2,"type":"PT"},)"
                                                            R"("calibration":null})"),
                                  error);
    ASSERT_TRUE(file) << error;
    EXPECT_EQ(file->notRead, (std::vector<std::string>{"trim_4ma", "calibration"}));
    const auto again = parseBackup(backupToJson(*file), error);
    ASSERT_TRUE(again) << error;
    EXPECT_EQ(again->notRead, file->notRead);
    EXPECT_FALSE(again->hasCalibration);
    const auto applier = Applier::make(*again, false, true, SaveArea::None, error);
    ASSERT_TRUE(applier) << error;
    EXPECT_EQ(commandsOf(applier->planFor(TargetFacts{"2.10", 1}, true)), (std::vector<std::string>{"TYPT", "UT2"}));
    EXPECT_FALSE(Applier::make(*again, true, false, SaveArea::None, error)) << "no table to write";
}

// A number of a file goes out as the shortest text of the same value, then in the target's pattern where it takes one.
TEST(BackupFileTest, NumbersGoOutInTheirShortestTextThenInThePattern)
{
    const struct {
        const char *name;
        std::string settings;
        std::string version = "2.10";
        std::vector<std::string> commands;
    } rows[] = {
        {"output as typed", R"("output_20ma":12.3)", "2.10", {"OH12.3"}},
        {"output of a whole number", R"("output_4ma":4)", "2.10", {"OL4"}},
        {"output of a small fraction", R"("output_4ma":0.0000001)", "2.10", {"OL0.0000001"}},
        {"output below version 2 in the pattern", R"("output_20ma":12.3)", "1.50", {"OH+012.3"}},
        {"range in the pattern", R"("display_zero":-0.1,"display_full_scale":99.95)", "2.10", {"DL-000.1", "DH+100.0"}},
        {"trim", R"("trim_4ma":-45)", "2.10", {"ZF-0045"}},
        {"code", R"("unit":4,"decimals":1)", "2.10", {"UT4", "DP1"}},
        {"a text stays as written", R"("output_20ma":"12.30")", "2.10", {"OH12.30"}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        std::string error;
        const auto file =
            parseBackup(QByteArray::fromStdString(R"({"format":"ortavel-backup","format_version":1,"settings":{)" +
                                                  row.settings + "}}"),
                        error);
        ASSERT_TRUE(file) << error;
        std::vector<std::string> errors;
        const auto checked = SettingChecker::check(file->settings, errors);
        ASSERT_TRUE(checked) << errors.front();
        EXPECT_EQ(commandsOf(WritePlan::settings(*checked, TargetFacts{row.version, 1})), row.commands);
    }
}

// The trims and the calibration go back only to the transmitter the backup names; a file that names none has none.
TEST(BackupFileTest, NamesItsOwnTransmitterByTypeIdAndVersion)
{
    const struct {
        const char *name;
        std::string source;
        bool own;
    } rows[] = {
        {"the same transmitter", R"("type":"PT-100","id":"SN4711","version":"2.10")", true},
        {"another id", R"("type":"PT-100","id":"SN4712","version":"2.10")", false},
        {"another type", R"("type":"PT-10","id":"SN4711","version":"2.10")", false},
        {"another version", R"("type":"PT-100","id":"SN4711","version":"2.1")", false},
        {"a file from before type and id were recorded", R"("version":"2.10")", false},
    };
    for (const auto &row : rows) {
        std::string error;
        const auto file = parseBackup(QByteArray::fromStdString(R"({"format":"ortavel-backup","format_version":1,)"
                                                                R"("settings":{"unit":0},"source":{)" +
                                                                row.source + "}}"),
                                      error);
        ASSERT_TRUE(file) << error;
        EXPECT_EQ(file->isTakenFrom("PT-100", "SN4711", "2.10"), row.own) << row.name;
    }
}

TEST(AddressTextTest, ListsAndRates)
{
    EXPECT_EQ(parseAddressList("3,1-2,2"), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(parseAddressList("98-99"), (std::vector<int>{98, 99}));
    for (const char *bad : {"", "0", "1-100", "5-3", "1,,2", "a", "1-", "-3"})
        EXPECT_FALSE(parseAddressList(bad)) << bad;
    EXPECT_EQ(parseBaudList("1200,9600,1200"), (std::vector<int>{1200, 9600}));
    for (const char *bad : {"", "300", "9600,", "96OO"})
        EXPECT_FALSE(parseBaudList(bad)) << bad;
}

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
        {write("+015.0", Expect::Number), "*071.5E1\r", true},
        {write("+012.5", Expect::Number), "*0712.5kPa\r", false},
        {write("0", Expect::Number), "ERR 0\r", false},
        {write("+012.5", Expect::Number), "*08+012.5\r", false},
        {write("PT 100", Expect::Text), "*07PT 100\r", true},
        {write("PT 100", Expect::Text), "*07PT 100 \r", false},
        {write("12", Expect::Number, "12"), "*1212\r", true},
        {write("12", Expect::Number, "12"), "*0712\r", true},
        {write("12", Expect::Number, "12"), "*0707\r", false},
        {write("1", Expect::BaudEcho), "*071\r", true},
        {write("1", Expect::BaudEcho), "*081\r", false},
        {write("", Expect::Stored), "*07OK\r", true},
        {write("", Expect::Stored), "*08OK\r", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(isConfirmed(c.write, c.result, "07"), c.confirmed) << c.write.value << " / " << c.result;
}

TEST(SettingCheckerTest, EachKeyTakesOnlyItsValues)
{
    const struct {
        std::string argument;
        bool accepted;
        int code; // code, trim, address or rate when accepted
    } cases[] = {
        {"unit=kpa", true, 0},
        {"unit=psi", true, 4},
        {"unit=unknow", true, 6},
        {"unit=6", true, 6},
        {"unit=7", false, 0},
        {"unit=kPa ", false, 0},
        {"decimals=0", true, 0},
        {"decimals=4", true, 4},
        {"decimals=5", false, 0},
        {"trim_4ma=-5000", true, -5000},
        {"trim_4ma=+0123", true, 123},
        {"trim_20ma=5000", true, 5000},
        {"trim_20ma=5001", false, 0},
        {"trim_20ma=12.5", false, 0},
        {"trim_4ma=+", false, 0},
        {"address=07", true, 7},
        {"address=99", true, 99},
        {"address=0", false, 0},
        {"address=007", false, 0},
        {"baud=2400", true, 2400},
        {"baud=19200", false, 0},
        {"baud=9600.0", false, 0},
        {"display_zero=-3", true, 0},
        {"display_zero=+.5", true, 0},
        {"display_zero=1e3", false, 0},
        {"display_zero=5.", true, 0},
        {"display_zero=.", false, 0},
        {"display_zero= 5", false, 0},
        {"output_4ma=1.2.3", false, 0},
        {"display_full_scale=", false, 0},
        {"type=PT 100", true, 0},
        {"type=", false, 0},
        {"id=A\rB", false, 0},
        {"colour=red", false, 0},
        {"unit", false, 0},
        {"=5", false, 0},
    };
    for (const auto &c : cases) {
        std::vector<std::string> errors;
        const auto checked = SettingChecker::check(std::vector<std::string>{c.argument}, errors);
        EXPECT_EQ(checked.has_value(), c.accepted) << c.argument;
        EXPECT_EQ(errors.empty(), c.accepted) << c.argument;
        if (checked && c.code != 0) {
            EXPECT_EQ(checked->front().code, c.code) << c.argument;
        }
    }
}

TEST(SettingCheckerTest, OneBadValueRejectsTheWholeSetAndNamesEveryProblem)
{
    std::vector<std::string> errors;
    const auto checked = SettingChecker::check(
        std::vector<std::string>{"type=PT", "unit=bar", "decimals=9", "trim_4ma=9999", "type=again"}, errors);
    EXPECT_FALSE(checked);
    ASSERT_EQ(errors.size(), 3U);
    EXPECT_NE(errors[0].find("decimals"), std::string::npos);
    EXPECT_NE(errors[1].find("trim_4ma"), std::string::npos);
    EXPECT_NE(errors[2].find("twice"), std::string::npos);
    errors.clear();
    EXPECT_FALSE(SettingChecker::check(std::vector<std::string>{"=5"}, errors));
    EXPECT_EQ(errors, std::vector<std::string>{"expected KEY=VALUE, got =5"});
}

TEST(WritePlanTest, ValuesAreFormattedForVersionAndDecimals)
{
    const struct {
        std::vector<std::string> arguments;
        std::optional<std::string> version;
        int decimals;
        std::vector<std::string> commands;
        std::optional<std::string> note = std::nullopt;
    } cases[] = {
        {{"display_zero=12.5"}, "2.10", 1, {"DL+012.5"}},
        {{"display_full_scale=1234.56"}, "2.10", 1, {"DH+1234.6"}},
        {{"display_zero=7"}, "2.10", 0, {"DL+0007."}},
        {{"display_zero=0.5"}, "2.10", 4, {"DL+.5000"}},
        {{"display_zero=2.675"}, "2.10", 2, {"DL+02.68"}},
        {{"output_4ma=4"}, "1.50", 1, {"OL+004.0"}},
        {{"output_4ma=4"}, "2.00", 1, {"OL4"}},
        // As the window does: a version that is no number sends outputs as typed, and says so.
        {{"output_20ma=+7"}, "VER", 0, {"OH+7"}, R"(version "VER" is not a number: output values go out as typed)"},
        {{"output_4ma=12.34"}, "1.9b", 1, {"OL+012.3"}},
        {{"display_zero=12.34"}, "VER", 1, {"DL+012.3"}},
        {{"trim_4ma=123"}, "2.10", 1, {"ZF+0123"}},
        {{"unit=psi"}, "2.10", 1, {"UT4"}},
        {{"decimals=3"}, "2.10", 1, {"DP3"}},
        {{"type=PT 100"}, "2.10", 1, {"TYPT 100"}},
        {{"address=5"}, "2.10", 1, {"AD05"}},
        {{"baud=2400"}, "2.10", 1, {"BD1"}},
        // Decimals set in the same command format the range and go first.
        {{"display_full_scale=100", "display_zero=1", "decimals=2", "output_4ma=3"},
         "1.00",
         0,
         {"DP2", "DL+01.00", "DH+100.00", "OL+03.00"}},
    };
    for (const auto &c : cases) {
        const auto checked = checkedOf(c.arguments);
        const TargetFacts facts{c.version, c.decimals};
        EXPECT_EQ(commandsOf(WritePlan::settings(checked, facts)), c.commands)
            << c.arguments.front() << " version " << c.version.value_or("-");
        EXPECT_EQ(WritePlan::whyOutputsAsTyped(checked, facts), c.note) << c.arguments.front();
    }
}

TEST(WritePlanTest, WhatMustBeReadFirst)
{
    const struct {
        std::vector<std::string> arguments;
        bool version;
        bool decimals;
    } cases[] = {
        {{"type=X", "trim_4ma=3", "unit=1"}, false, false}, {{"display_zero=1"}, false, true},
        {{"display_zero=1", "decimals=2"}, false, false},   {{"output_4ma=1"}, true, true},
        {{"output_20ma=1", "decimals=0"}, true, false},
    };
    for (const auto &c : cases) {
        const auto checked = checkedOf(c.arguments);
        EXPECT_EQ(WritePlan::needsVersion(checked), c.version) << c.arguments.front();
        EXPECT_EQ(WritePlan::needsDecimals(checked), c.decimals) << c.arguments.front();
    }
}

TEST(WritePlanTest, DryRunShowsOutputsAsGivenWithTheFormOfOldVersions)
{
    const auto plan =
        WritePlan::settings(checkedOf({"output_4ma=4", "output_20ma=+020.0"}), TargetFacts{std::nullopt, 1});
    ASSERT_EQ(plan.size(), 2U);
    EXPECT_EQ(plan[0].command, "OL4");
    EXPECT_EQ(plan[0].note, "below version 2.0: OL+004.0");
    EXPECT_EQ(plan[1].command, "OH+020.0");
    EXPECT_TRUE(plan[1].note.empty());
}

TEST(WritePlanTest, CalibrationSendsCountThenActivePointsMeasuredFirst)
{
    CalibrationTable table;
    table.points = 2;
    for (int i = 0; i < kCalibrationRows; ++i)
        table.rows[static_cast<std::size_t>(i)] = {"S" + std::to_string(i), "M" + std::to_string(i)};
    table.rows[1] = {"100.0", "99.5"};
    const auto plan = WritePlan::calibration(table);
    std::vector<Expect> expects;
    for (const auto &write : plan)
        expects.push_back(write.expect);
    EXPECT_EQ(commandsOf(plan), (std::vector<std::string>{"PN2", "FC0M0", "UC0S0", "FC199.5", "UC1100.0"}));
    EXPECT_EQ(expects,
              (std::vector<Expect>{Expect::Number, Expect::Text, Expect::Text, Expect::Number, Expect::Number}));
}

// A transmitter that keeps every value it is given and answers with it.
struct FakeTransmitter {
    std::string address;
    int baud = 9600;
    std::map<std::string, std::string> values;
    bool silent = false;
    std::vector<std::string> rejects; // commands it answers with "*" + address and no data
    int replyDelayMs = 5;
};

std::map<std::string, std::string> typicalValues(const std::string &version)
{
    std::map<std::string, std::string> v = {
        {"TY", "PT-100"}, {"ID", "SN4711"}, {"VR", version}, {"OL", "+000.0"}, {"OH", "+100.0"}, {"DL", "+000.0"},
        {"DH", "+100.0"}, {"UT", "0"},      {"DP", "1"},     {"ZF", "+0000"},  {"FF", "+0000"},  {"RP0", "+012.34"},
        {"RT0", "25.46"}, {"PN", "2"},      {"SL", "0"},     {"SH", "100"},    {"FU", "0"},
    };
    for (int i = 0; i < 8; ++i) {
        v["UC" + std::to_string(i)] = std::to_string(i * 10);
        v["FC" + std::to_string(i)] = std::to_string(i * 10) + ".1";
    }
    return v;
}

// Transmitters that answer only at their own rate, behind an ExchangeBus as the subcommands see it.
class FakeBus {
public:
    FakeBus()
    {
        port.open();
        port.setResponder([this](const std::string &frame) { return answer(frame); });
        bus.setStopCheck(
            [this] { return m_interruptAfter >= 0 && static_cast<int>(port.writes().size()) >= m_interruptAfter; });
    }

    FakeTransmitter &add(std::string address, int baud, std::map<std::string, std::string> values = {},
                         std::vector<std::string> rejects = {})
    {
        return m_transmitters.emplace_back(
            FakeTransmitter{std::move(address), baud, std::move(values), false, std::move(rejects)});
    }

    std::vector<std::string> commands() const
    {
        std::vector<std::string> out;
        for (const auto &frame : port.writes()) {
            const auto request = FakeSerialPort::parseRequest(frame);
            out.push_back(request ? request->second : frame);
        }
        return out;
    }

    // Stop after this many exchanges (as Ctrl-C would).
    void interruptAfter(int exchanges) { m_interruptAfter = exchanges; }

    test::FakeClock clock;
    FakeSerialPort port{clock};
    ExchangeBus bus{port, clock};

private:
    std::optional<FakeReply> answer(const std::string &frame)
    {
        const auto request = FakeSerialPort::parseRequest(frame);
        const auto baud = baudOfSettings(port.settings());
        if (!request || !baud)
            return std::nullopt;
        const auto &[address, command] = *request;
        for (auto &t : m_transmitters) {
            if (t.address != address || t.baud != *baud || t.silent)
                continue;
            std::size_t letters = 2;
            if (command.size() > 2 && (command.compare(0, 2, "FC") == 0 || command.compare(0, 2, "UC") == 0 ||
                                       command.compare(0, 2, "RP") == 0 || command.compare(0, 2, "RT") == 0))
                letters = 3;
            const std::string key = command.substr(0, letters);
            const std::string value = command.substr(std::min(letters, command.size()));
            const std::string from = t.address;
            auto reply = [&t](const std::string &payload) {
                return FakeReply{FakeSerialPort::replyFrame(payload), t.replyDelayMs};
            };
            if (std::find(t.rejects.begin(), t.rejects.end(), command) != t.rejects.end())
                return reply(from);
            if (key == "AD") {
                if (!value.empty())
                    t.address = value;
                return reply(t.address + t.address);
            }
            if (key == "BD") {
                t.baud = kBaudRates.at(static_cast<std::size_t>(std::stoi(value)));
                return reply(from + value);
            }
            if (key == "WU" || key == "WF")
                return reply(from + "OK");
            if (!value.empty())
                t.values[key] = value;
            const auto it = t.values.find(key);
            return reply(from + (it == t.values.end() ? std::string() : it->second));
        }
        return std::nullopt;
    }

    std::vector<FakeTransmitter> m_transmitters;
    int m_interruptAfter = -1;
};

TEST(BusSearchTest, OnlyAnExactAddressEchoCounts)
{
    FakeBus fake;
    // 04 answers the address query without its address.
    fake.add("04", 9600, {}, {"AD"});
    fake.add("06", 9600);
    const auto found = BusSearch::run(fake.bus, {4, 6}, {9600}).found;
    ASSERT_EQ(found.size(), 1U);
    EXPECT_EQ(found[0].address, "06");
}

// The program's hooks on the one Bus: every exchange traced with its result, a late reply told once per address.
TEST(ExchangeBusTest, TracesEveryExchangeAndTellsALateTransmitterOnce)
{
    FakeBus fake;
    fake.add("07", 9600, typicalValues("2.10")).replyDelayMs = 150;
    fake.add("08", 9600, typicalValues("2.10"));
    std::vector<std::pair<std::string, std::string>> traced;
    std::vector<std::pair<std::string, bool>> late;
    fake.bus.setTrace([&](const ExchangeTrace &e) {
        EXPECT_GE(e.endMs, e.startMs);
        EXPECT_EQ(e.baud, 9600);
        traced.emplace_back(e.request, e.result);
    });
    fake.bus.setLateReplyNotice([&](const LateReply &l, bool first) { late.emplace_back(l.address, first); });
    EXPECT_EQ(fake.bus.send("07", "TY"), "ERR 0\r");
    EXPECT_EQ(fake.bus.send("08", "TY"), "*08PT-100\r");
    EXPECT_EQ(fake.bus.send("07", "ID"), "ERR 0\r");
    EXPECT_EQ(fake.bus.send("08", "ID"), "*08SN4711\r");
    EXPECT_EQ(late, (std::vector<std::pair<std::string, bool>>{{"07", true}, {"07", false}}));
    ASSERT_EQ(traced.size(), 4U);
    EXPECT_EQ(traced[1], (std::pair<std::string, std::string>{Exchange::requestFrame("08", "TY"), "*08PT-100\r"}));
}

TEST(CollectLoopTest, AlternatesFromTheTemperatureAndRepeatsTheValueNotPolled)
{
    FakeBus fake;
    auto &t = fake.add("07", 9600, typicalValues("2.10"));
    CollectLoop loop("07");
    const struct {
        std::string pressure;
        std::string temperature;
        std::string rowPressure;
        std::string rowTemperature;
    } ticks[] = {
        {"1.5", "25.46", "", "25.5"}, {"1.5", "25.46", "1.5", "25.5"}, {"2.5", "-3", "1.5", "-3.0"},
        {"2.5", "-3", "2.5", "-3.0"}, {"0.5", "0.04", "2.5", "0.0"},   {"+000.50", "0", "+000.50", "0.0"},
    };
    std::int64_t time = 0;
    for (const auto &tick : ticks) {
        t.values["RP0"] = tick.pressure;
        t.values["RT0"] = tick.temperature;
        const auto row = loop.tick(fake.bus, time += 200);
        ASSERT_TRUE(row);
        EXPECT_EQ(row->pressure, tick.rowPressure) << time;
        EXPECT_EQ(row->temperature, tick.rowTemperature) << time;
        EXPECT_EQ(row->timeMs, time);
    }
    EXPECT_EQ(loop.maximum(), "2.5");
    EXPECT_EQ(loop.minimum(), "+000.50");
}

TEST(CollectLoopTest, FailedPollsAreCountedAndNeverValues)
{
    FakeBus fake;
    auto &t = fake.add("07", 9600, typicalValues("2.10"));
    CollectLoop loop("07");
    t.silent = true; // temperature: ERR 0 is no 0.0
    EXPECT_FALSE(loop.tick(fake.bus, 1));
    EXPECT_FALSE(loop.tick(fake.bus, 2)); // pressure: ERR 0
    t.silent = false;
    t.values["RT0"] = ""; // good reply without data
    EXPECT_FALSE(loop.tick(fake.bus, 3));
    t.values["RP0"] = "n/a";
    EXPECT_FALSE(loop.tick(fake.bus, 4));
    t.values["RT0"] = "20";
    const auto row = loop.tick(fake.bus, 5);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->pressure, "");
    EXPECT_EQ(row->temperature, "20.0");
    EXPECT_EQ(loop.failedTemperature(), 2);
    EXPECT_EQ(loop.failedPressure(), 2);
    EXPECT_EQ(loop.polls(), 5);
    EXPECT_TRUE(loop.maximum().empty());
}

TEST(TransmitterReaderTest, AsksEachParameterOnceInTheWindowsOrderThenTheTable)
{
    FakeBus fake;
    fake.add("07", 9600, typicalValues("2.00"));
    const auto r = TransmitterReader(fake.bus, "07").readAll();
    std::vector<std::string> expected = {"TY", "VR", "OL", "OH", "DL",  "DH",  "UT",
                                         "ID", "DP", "ZF", "FF", "RP0", "RT0", "PN"};
    for (int i = 0; i < 8; ++i) {
        expected.push_back("UC" + std::to_string(i));
        expected.push_back("FC" + std::to_string(i));
    }
    EXPECT_EQ(fake.commands(), expected);
    EXPECT_TRUE(r.errors.empty());
    EXPECT_EQ(r.pressure, "+012.34");
    EXPECT_EQ(r.temperature, "25.46");
}

TEST(TransmitterReaderTest, ErrorResultsLeaveFieldsEmptyNeverTheirRemains)
{
    FakeBus fake;
    auto values = typicalValues("2.10");
    values["UT"] = "9";   // no unit of the table
    values["DP"] = "1.5"; // not a code
    values.erase("ID");   // answered without data: no value, not an empty one
    fake.add("07", 9600, values, {"OL"});
    auto r = TransmitterReader(fake.bus, "07").readAll();
    EXPECT_FALSE(r.id);
    EXPECT_FALSE(r.output4mA);
    EXPECT_FALSE(r.unitCode);
    EXPECT_FALSE(r.decimals);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"output_4ma", "*07"}, {"unit", "*079"}, {"unit_code", "*079"}, {"id", "*07"}, {"decimals", "*071.5"}};
    EXPECT_EQ(r.errors, expected);

    FakeBus silent;
    silent.add("07", 9600, values).silent = true;
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
    fake.add("08", 9600, typicalValues("2.10"));
    TransmitterReader reader(fake.bus, "07");
    std::string error;
    // The fake answers 08 only; a stray frame from 08 arrives for 07.
    fake.port.deliver(FakeSerialPort::replyFrame("08PT-100"), 1);
    EXPECT_FALSE(reader.readText("TY", error));
}

// Arguments `send` refuses: its reason on stderr and nothing on the line.
TEST(SendTest, RefusedArgumentsAreReportedAndNothingIsSent)
{
    FakeBus fake;
    testing::internal::CaptureStderr();
    EXPECT_EQ(runSend(fake.bus, {"01"}), 2);
    EXPECT_EQ(testing::internal::GetCapturedStderr().rfind("ortavel-cli: ", 0), 0U);
    EXPECT_TRUE(fake.port.writes().empty());
    // Each refusal names what is wrong.
    const std::pair<std::vector<std::string>, const char *> refusals[] = {
        {{"--repeat"}, "--repeat needs a value"},
        {{"--repeat", "5"}, "send takes ADDR COMMAND"},
        {{"--repeat", "0", "01", "TY"}, "--repeat takes a whole number of at least 1"},
    };
    for (const auto &[arguments, error] : refusals)
        EXPECT_EQ(checkSendArguments(arguments), error) << error;
}

// The decimals code a transmitter reports, from the first pattern to the last; beyond them nothing may be written.
TEST(TargetFactsTest, DecimalsOfEveryPatternAndNoneBeyond)
{
    const std::pair<const char *, std::optional<int>> cases[] = {
        {"0", 0}, {"4", 4}, {"5", std::nullopt}, {"-1", std::nullopt}};
    for (const auto &[code, decimals] : cases) {
        FakeBus fake;
        auto values = typicalValues("2.10");
        values["DP"] = code;
        fake.add("07", 9600, values);
        TargetFacts facts;
        std::string error;
        EXPECT_EQ(readTargetFacts(fake.bus, "07", false, true, facts, error), decimals.has_value()) << code;
        EXPECT_EQ(facts.decimals, decimals) << code;
    }
}

class WriteRunnerTest : public ::testing::Test {
protected:
    void SetUp() override { transmitter = &fake.add("07", 9600, typicalValues("2.10")); }

    WriteReport run(const std::vector<std::string> &arguments, SaveArea save = SaveArea::None)
    {
        auto plan = WritePlan::settings(checkedOf(arguments), TargetFacts{"2.10", 1});
        if (auto s = WritePlan::save(save))
            plan.push_back(*s);
        return WriteRunner::run(fake.bus, "07", plan);
    }

    FakeBus fake;
    FakeTransmitter *transmitter = nullptr;
};

TEST_F(WriteRunnerTest, AddressThenBaudGoLastAndTheLineFollowsOnlyAConfirmedRate)
{
    const auto report = run({"baud=2400", "address=12", "id=X"});
    EXPECT_TRUE(report.allConfirmed());
    EXPECT_EQ(fake.commands(), (std::vector<std::string>{"IDX", "AD12", "BD1"}));
    EXPECT_EQ(fake.port.writes().back().substr(0, 6), "$12BD1");
    // The rate changes only after the reply to BD, sent at the old rate.
    const auto &calls = fake.port.calls();
    const auto isWrite = [](const std::string &call) { return call.rfind("write", 0) == 0; };
    const auto afterLastWrite = std::find_if(calls.rbegin(), calls.rend(), isWrite).base();
    EXPECT_NE(std::find(afterLastWrite, calls.end(), "setSettings 2400,N,8,1"), calls.end());
    EXPECT_EQ(fake.port.settings(), "2400,N,8,1");
    EXPECT_EQ(report.address, "12");
    EXPECT_EQ(report.baud, 2400);
}

TEST_F(WriteRunnerTest, UnconfirmedRateLeavesTheLineAlone)
{
    transmitter->rejects = {"BD0"};
    const auto report = run({"baud=1200"}, SaveArea::User);
    EXPECT_FALSE(report.allConfirmed());
    EXPECT_EQ(fake.port.settings(), "9600,N,8,1");
    // Nothing is stored after a failed write.
    EXPECT_EQ(fake.commands(), (std::vector<std::string>{"BD0"}));
    ASSERT_EQ(report.outcomes.size(), 2U);
    EXPECT_TRUE(report.outcomes[1].result.empty());
    EXPECT_EQ(report.failedCount(), 2);
    // The JSON report says why each one failed.
    const QJsonArray writes = writeReportToJson(report)["writes"].toArray();
    ASSERT_EQ(writes.size(), 2);
    EXPECT_EQ(writes[0].toObject()["reason"].toString(), "not confirmed");
    EXPECT_EQ(writes[1].toObject()["reason"].toString(), "not stored: an earlier write was not confirmed");
}

TEST_F(WriteRunnerTest, UnconfirmedAddressStopsTheRateChange)
{
    transmitter->rejects = {"AD30"};
    const auto report = run({"address=30", "baud=4800"});
    EXPECT_EQ(fake.commands(), (std::vector<std::string>{"AD30"}));
    EXPECT_EQ(report.failedCount(), 2);
    EXPECT_EQ(fake.port.settings(), "9600,N,8,1");
}

TEST_F(WriteRunnerTest, InterruptStopsBetweenExchanges)
{
    fake.interruptAfter(2);
    const auto report = run({"type=A", "id=B", "unit=3", "decimals=2"});
    EXPECT_TRUE(report.interrupted);
    EXPECT_FALSE(report.allConfirmed());
    EXPECT_EQ(fake.commands().size(), 2U);
    EXPECT_EQ(report.outcomes.size(), 2U);
    EXPECT_EQ(report.confirmedCount(), 2);
}

} // namespace
// Files of one bus among several must never overwrite another bus's.
TEST(SeveralBusesTest, EachBusWritesFilesOfItsOwn)
{
    const struct {
        const char *why;
        std::optional<BusChoice> bus;
        const char *file;
        const char *written;
    } rows[] = {
        {"the port goes before the extension", BusChoice{3, {}}, "golden.json", "golden-com3.json"},
        {"a dot in a folder is no extension", BusChoice{1, {}}, "/a.b/golden", "/a.b/golden-com1"},
        {"a hidden file's dot is no extension", BusChoice{1, {}}, "/x/.golden", "/x/.golden-com1"},
        {"a device by its name below /dev", BusChoice{std::nullopt, "/dev/pts/4"}, "out.csv", "out-pts_4.csv"},
        {"a device elsewhere by its whole path", BusChoice{std::nullopt, "/tmp/a"}, "out.csv", "out-tmp_a.csv"},
        {"one bus writes the file as given", std::nullopt, "golden.json", "golden.json"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.why);
        CommonOptions options;
        options.bus = row.bus;
        EXPECT_EQ(fileForBus(row.file, options), row.written);
    }
}

} // namespace ortavel::cli
