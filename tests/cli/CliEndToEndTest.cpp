#include "CliProcess.h"

#include "link/Numbers.h"
#include "sim/DemoBus.h"
#include "sim/SimServer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <csignal>
#include <thread>

namespace ortavel::test {
namespace {

using sim::DataArea;
using sim::SimServer;

QJsonDocument jsonOf(const std::string &text)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(text));
}

double numberIn(const QJsonValue &value)
{
    return readNumber(value.toString().toStdString());
}

// What `read --json` shows must be what the transmitter holds.
void expectReadShows(const QJsonObject &read, const sim::TransmitterState &state)
{
    const DataArea &w = state.config.working;
    EXPECT_EQ(read["address"].toString().toInt(), state.config.address);
    EXPECT_EQ(read["baud"].toInt(), state.config.baud);
    EXPECT_EQ(read["type"].toString().toStdString(), w.type);
    EXPECT_EQ(read["id"].toString().toStdString(), w.ident);
    EXPECT_EQ(read["version"].toString().toStdString(), state.config.version);
    EXPECT_EQ(read["unit_code"].toInt(-1), w.unit);
    EXPECT_EQ(read["decimals"].toInt(-1), w.decimals);
    EXPECT_DOUBLE_EQ(numberIn(read["display_zero"]), w.displayLow);
    EXPECT_DOUBLE_EQ(numberIn(read["display_full_scale"]), w.displayHigh);
    EXPECT_DOUBLE_EQ(numberIn(read["output_4ma"]), w.outputLow);
    EXPECT_DOUBLE_EQ(numberIn(read["output_20ma"]), w.outputHigh);
    EXPECT_EQ(numberIn(read["trim_4ma"]), w.trimZero);
    EXPECT_EQ(numberIn(read["trim_20ma"]), w.trimFull);
    // The transmitter writes the table with its decimals in force.
    const double step = 0.5 * std::pow(10.0, -w.decimals) + 1e-9;
    const QJsonObject calibration = read["calibration"].toObject();
    EXPECT_EQ(calibration["points"].toInt(-1), w.pointCount);
    const QJsonArray table = calibration["table"].toArray();
    ASSERT_EQ(table.size(), 8);
    for (int i = 0; i < 8; ++i) {
        EXPECT_NEAR(numberIn(table[i].toObject()["standard"]), w.standard[static_cast<std::size_t>(i)], step) << i;
        EXPECT_NEAR(numberIn(table[i].toObject()["measured"]), w.measured[static_cast<std::size_t>(i)], step) << i;
    }
    EXPECT_TRUE(read["errors"].toObject().isEmpty());
}

class CliEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        SimServer::Options options;
        options.linkPath = (dir.path() + "/com1").toStdString();
        // Timing does not matter here: bytes cost no wire time.
        options.timing.wireTime = false;
        options.timing.turnaround = std::chrono::milliseconds(1);
        server.start(sim::demoBus(), options);
        cli = std::make_unique<CliProcess>(QString::fromStdString(server.linkPath()));
    }

    sim::TransmitterState state(int address) const
    {
        const auto s = server.transmitter(address);
        EXPECT_TRUE(s) << "no transmitter at " << address;
        return s.value_or(sim::TransmitterState{});
    }

    QTemporaryDir dir;
    SimServer server;
    std::unique_ptr<CliProcess> cli;
};

TEST_F(CliEndToEndTest, SearchFindsTheDemoBusAtItsRates)
{
    const auto run = cli->run({"--json", "search", "--addresses", "1,7,12"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const QJsonArray found = jsonOf(run.out).array();
    ASSERT_EQ(found.size(), 3) << run.out;
    const std::pair<const char *, int> expected[] = {{"01", 9600}, {"07", 4800}, {"12", 2400}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(found[i].toObject()["address"].toString(), expected[i].first);
        EXPECT_EQ(found[i].toObject()["baud"].toInt(), expected[i].second);
    }
    // Each address asked once per rate, the rates from 9600 down.
    const auto trace = server.trace();
    ASSERT_EQ(trace.size(), 12U);
    EXPECT_EQ(trace.front().lineBaud, 9600);
    EXPECT_EQ(trace.back().lineBaud, 1200);
}

TEST_F(CliEndToEndTest, ReadJsonEqualsTheSimulatorsConfiguration)
{
    const struct {
        int address;
        QString baud;
    } cases[] = {{1, "9600"}, {7, "auto"}, {12, "2400"}};
    for (const auto &c : cases) {
        const auto run = cli->run({"--json", "--baud", c.baud, "read", QString::number(c.address)});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        const QJsonObject read = jsonOf(run.out).object();
        const QStringList keys = {"address",     "baud",        "type",     "id",           "version",
                                  "unit",        "unit_code",   "decimals", "display_zero", "display_full_scale",
                                  "output_4ma",  "output_20ma", "trim_4ma", "trim_20ma",    "pressure",
                                  "temperature", "calibration", "errors"};
        EXPECT_EQ(QStringList(read.keys()).size(), keys.size());
        for (const auto &key : keys)
            EXPECT_TRUE(read.contains(key)) << key.toStdString();
        expectReadShows(read, state(c.address));
    }
    const auto unit = jsonOf(cli->run({"--json", "--baud", "4800", "read", "7"}).out).object()["unit"];
    EXPECT_EQ(unit.toString(), "MPa");
}

TEST_F(CliEndToEndTest, ReadOfASilentTransmitterGivesNullsAndNamesEveryField)
{
    const auto run = cli->run({"--json", "read", "5"});
    EXPECT_EQ(run.exitCode, 1);
    const QJsonObject read = jsonOf(run.out).object();
    EXPECT_TRUE(read["type"].isNull());
    EXPECT_TRUE(read["unit_code"].isNull());
    EXPECT_TRUE(read["calibration"].toObject()["points"].isNull());
    EXPECT_EQ(read["errors"].toObject()["temperature"].toString(), "ERR 0");
}

TEST_F(CliEndToEndTest, SetThenReadRoundTripsEveryKey)
{
    const auto set = cli->run({"set", "1", "type=QX900", "id=Z42", "unit=psi", "decimals=2", "display_zero=-1.5",
                               "display_full_scale=250", "output_4ma=0.5", "output_20ma=200", "trim_4ma=-321",
                               "trim_20ma=4321", "address=33", "baud=2400", "--save", "user"});
    EXPECT_EQ(set.exitCode, 0) << set.out << set.err;
    EXPECT_FALSE(server.transmitter(1));
    const auto s = state(33);
    EXPECT_EQ(s.config.baud, 2400);
    EXPECT_EQ(s.user, s.config.working);

    const auto read = cli->run({"--json", "--baud", "2400", "read", "33"});
    EXPECT_EQ(read.exitCode, 0) << read.err;
    const QJsonObject r = jsonOf(read.out).object();
    EXPECT_EQ(r["type"].toString(), "QX900");
    EXPECT_EQ(r["id"].toString(), "Z42");
    EXPECT_EQ(r["unit"].toString(), "Psi");
    EXPECT_EQ(r["decimals"].toInt(), 2);
    EXPECT_DOUBLE_EQ(numberIn(r["display_zero"]), -1.5);
    EXPECT_DOUBLE_EQ(numberIn(r["display_full_scale"]), 250);
    EXPECT_DOUBLE_EQ(numberIn(r["output_4ma"]), 0.5);
    EXPECT_DOUBLE_EQ(numberIn(r["output_20ma"]), 200);
    EXPECT_EQ(numberIn(r["trim_4ma"]), -321);
    EXPECT_EQ(numberIn(r["trim_20ma"]), 4321);
    expectReadShows(r, state(33));
}

TEST_F(CliEndToEndTest, AnInvalidValueSendsNothing)
{
    server.clearTrace();
    const QStringList invalid[] = {
        {"set", "1", "type=OK", "decimals=9"},
        {"set", "1", "unit=furlong"},
        {"set", "1", "trim_4ma=5001"},
        {"set", "1", "baud=19200"},
        {"set", "1", "address=0"},
        {"set", "1", "display_zero=12,5"},
        {"set", "100", "type=X"},
    };
    for (const auto &arguments : invalid) {
        const auto run = cli->run(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
    }
    EXPECT_TRUE(server.trace().empty());
    EXPECT_EQ(state(1).config.working.type, "QX820");
}

TEST_F(CliEndToEndTest, BackupOfOneAndApplyToTwoOthersMakesThemEqual)
{
    const QString file = dir.path() + "/01.json";
    const auto backup = cli->run({"backup", "1", file});
    ASSERT_EQ(backup.exitCode, 0) << backup.err;
    const auto apply = cli->run({"--baud", "auto", "apply", file, "7", "12", "--with-calibration", "--save", "user"});
    EXPECT_EQ(apply.exitCode, 0) << apply.out << apply.err;
    DataArea source = state(1).config.working;
    for (const int address : {7, 12}) {
        const auto target = state(address);
        DataArea expected = source;
        expected.ident = target.config.working.ident; // identity stays
        EXPECT_EQ(target.config.working, expected) << address;
        EXPECT_EQ(target.user, target.config.working) << address;
    }
}

TEST_F(CliEndToEndTest, ApplyWithASilentTransmitterNamesItWhileTheOthersSucceed)
{
    const QString file = dir.path() + "/01.json";
    ASSERT_EQ(cli->run({"backup", "1", file}).exitCode, 0);
    server.setFault(7, sim::FaultSetting{sim::Fault::Silent, 0.0});
    auto twelve = server.transmitter(12)->config.working;
    const auto apply = cli->run({"--baud", "auto", "apply", file, "7", "12", "1"});
    EXPECT_EQ(apply.exitCode, 1);
    EXPECT_NE(apply.err.find("07: did not answer"), std::string::npos) << apply.err;
    EXPECT_EQ(apply.err.find("12:"), std::string::npos) << apply.err;
    const auto written = state(12).config.working;
    EXPECT_EQ(written.type, "QX820");
    EXPECT_EQ(written.decimals, 3);
    EXPECT_NE(written, twelve);
}

TEST_F(CliEndToEndTest, ApplyAllSearchesFirstAndWritesEachAtItsRate)
{
    const QString file = dir.path() + "/01.json";
    ASSERT_EQ(cli->run({"backup", "1", file}).exitCode, 0);
    const auto run = cli->run({"--json", "apply", file, "--all", "--addresses", "7,12", "--bauds", "4800,2400"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const QJsonArray targets = jsonOf(run.out).array();
    ASSERT_EQ(targets.size(), 2) << run.out;
    EXPECT_EQ(targets[0].toObject()["baud"].toInt(), 4800);
    EXPECT_EQ(targets[1].toObject()["baud"].toInt(), 2400);
    for (const int address : {7, 12}) {
        EXPECT_EQ(state(address).config.working.type, "QX820") << address;
        EXPECT_EQ(state(address).config.working.decimals, 3) << address;
    }
}

TEST_F(CliEndToEndTest, AWriteTheTransmitterRefusesIsNotConfirmedAndNothingIsStored)
{
    // The simulated transmitter keeps texts of at most 16 characters.
    const auto run = cli->run({"set", "1", "type=ABCDEFGHIJKLMNOPQ", "id=NEW", "--save", "user"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.out.find("not confirmed"), std::string::npos) << run.out;
    EXPECT_EQ(state(1).config.working.ident, "NEW");
    EXPECT_EQ(state(1).user.ident, "A1001");
    for (const auto &entry : server.trace())
        EXPECT_NE(entry.command, "WU");
}

TEST_F(CliEndToEndTest, DryRunPrintsTheRequestsAndSendsNothing)
{
    const QString file = dir.path() + "/01.json";
    ASSERT_EQ(cli->run({"backup", "1", file}).exitCode, 0);
    server.clearTrace();
    const auto run = cli->run({"apply", file, "12", "--dry-run", "--with-calibration", "--save", "factory"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(server.trace().empty());
    EXPECT_NE(run.out.find("12 DP3\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("12 PN3\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("12 WF\n"), std::string::npos) << run.out;
}

TEST_F(CliEndToEndTest, CtrlCDuringASearchStopsCleanlyAndReports)
{
    QProcess process;
    process.start(ORTAVEL_CLI_PROGRAM, cli->withDevice({"search"}));
    ASSERT_TRUE(process.waitForStarted());
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (server.trace().size() < 3 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_GE(server.trace().size(), 3U);
    ::kill(static_cast<pid_t>(process.processId()), SIGINT);
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 130);
    const std::string out = process.readAllStandardOutput().toStdString();
    const std::string err = process.readAllStandardError().toStdString();
    EXPECT_EQ(out, "address  baud\n01       9600\n");
    EXPECT_NE(err.find("interrupted: 1 found"), std::string::npos) << err;
    // It stopped between exchanges, long before the 396 of a whole search.
    const auto asked = server.trace().size();
    EXPECT_LT(asked, 100U);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(server.trace().size(), asked);
}

TEST_F(CliEndToEndTest, PortsNamesWhatStandsBehindEachComPort)
{
    const QString link = QString::fromStdString(server.linkPath());
    const auto run = cli->run({"--port-map", "3=" + link, "--json", "ports"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const QJsonArray map = jsonOf(run.out).object()["map"].toArray();
    ASSERT_EQ(map.size(), 6) << run.out;
    EXPECT_EQ(map[2].toObject()["port"].toString(), "com3");
    EXPECT_EQ(map[2].toObject()["device"].toString(), link);
    EXPECT_TRUE(map[2].toObject()["present"].toBool());
    EXPECT_EQ(map[2].toObject()["why"].toString(), "option");
    EXPECT_EQ(map[3].toObject()["device"].toString(), "/dev/ttyS3");
    EXPECT_EQ(map[3].toObject()["why"].toString(), "default");
    EXPECT_TRUE(server.trace().empty());
}

TEST_F(CliEndToEndTest, SendKeepsItsExitStatuses)
{
    const struct {
        QStringList arguments;
        int exitCode;
        std::string out;
    } cases[] = {
        {{"send", "01", "TY"}, 0, "*01QX820\n"},
        {{"send", "--repeat", "2", "01", "VR"}, 0, "*012.10\n*012.10\n"},
        {{"send", "05", "TY"}, 1, "ERR 0\n"},
        {{"--baud", "4800", "send", "07", "TY"}, 0, "*07QX830\n"},
        {{"send", "01"}, 2, ""},
        {{"send", "--repeat", "0", "01", "TY"}, 2, ""},
        {{"--baud", "300", "send", "01", "TY"}, 2, ""},
    };
    for (const auto &c : cases) {
        const auto run = cli->run(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.join(' ').toStdString() << run.err;
        EXPECT_EQ(run.out, c.out) << c.arguments.join(' ').toStdString();
    }
    QProcess process;
    process.start(ORTAVEL_CLI_PROGRAM, {"--device", dir.path() + "/missing", "send", "01", "TY"});
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_FALSE(process.readAllStandardError().isEmpty());
}

TEST_F(CliEndToEndTest, ZeroSaveAndRestoreCheckTheirAnswers)
{
    const struct {
        QStringList arguments;
        int exitCode;
        std::string command;
    } cases[] = {
        {{"zero", "1"}, 0, "SZ"},
        {{"save", "1", "factory"}, 0, "WF"},
        {{"restore-factory", "1"}, 0, "LD"},
        {{"save", "1", "user"}, 0, "WU"},
        {{"zero", "5"}, 1, "SZ"},
        {{"save", "1", "elsewhere"}, 2, ""},
    };
    for (const auto &c : cases) {
        server.clearTrace();
        const auto run = cli->run(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.join(' ').toStdString() << run.err;
        const auto trace = server.trace();
        ASSERT_EQ(trace.size(), c.command.empty() ? 0U : 1U);
        if (!c.command.empty()) {
            EXPECT_EQ(trace.front().command, c.command);
        }
    }
}

TEST_F(CliEndToEndTest, PollAlternatesAndReportsTheExtremes)
{
    const auto run = cli->run({"poll", "1", "--count", "6", "--interval", "0"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.rfind("time_ms,pressure,temperature\n", 0), 0U) << run.out;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 7);
    std::vector<std::string> commands;
    for (const auto &entry : server.trace())
        commands.push_back(entry.command);
    EXPECT_EQ(commands, (std::vector<std::string>{"RT0", "RP0", "RT0", "RP0", "RT0", "RP0"}));
    EXPECT_NE(run.err.find("pressure min +12.3"), std::string::npos) << run.err;
}

} // namespace
} // namespace ortavel::test
