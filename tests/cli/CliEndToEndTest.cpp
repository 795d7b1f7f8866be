// The real ortavel-cli against the simulator's demo bus on a pseudo-terminal.

#include "reliability/Programs.h"

#include "link/Numbers.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <chrono>
#include <cmath>
#include <csignal>
#include <thread>
#include <tuple>

namespace ortavel::test {
namespace {

using sim::DataArea;

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

class CliEndToEndTest : public DemoLine {
protected:
    sim::TransmitterState state(int address) const
    {
        const auto s = m_server.transmitter(address);
        EXPECT_TRUE(s) << "no transmitter at " << address;
        return s.value_or(sim::TransmitterState{});
    }

    // The backup of transmitter 01, as apply reads it.
    std::string backupOfTheFirst()
    {
        const std::string file = m_folder.path().toStdString() + "/01.json";
        const auto backup = run({"backup", "1", file});
        EXPECT_EQ(backup.exitCode, 0) << backup.err;
        return file;
    }
};

TEST_F(CliEndToEndTest, SearchFindsTheDemoBusAtItsRates)
{
    const auto quick = run({"--json", "search", "--addresses", "1,7,12", "--quick", "--turnaround", "9"});
    EXPECT_NE(quick.err.find("Quick search waits 9 ms"), std::string::npos) << quick.err;
    m_server.clearTrace();
    const auto search = run({"--json", "search", "--addresses", "1,7,12"});
    EXPECT_EQ(search.out, quick.out);
    EXPECT_EQ(search.exitCode, 0) << search.err;
    const QJsonArray found = jsonOf(search.out).array();
    ASSERT_EQ(found.size(), 3) << search.out;
    const std::pair<const char *, int> expected[] = {{"01", 9600}, {"07", 4800}, {"12", 2400}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(found[i].toObject()["address"].toString(), expected[i].first);
        EXPECT_EQ(found[i].toObject()["baud"].toInt(), expected[i].second);
    }
    // Each address asked once per rate, the rates from 9600 down.
    const auto trace = m_server.trace();
    ASSERT_EQ(trace.size(), 12U);
    EXPECT_EQ(trace.front().lineBaud, 9600);
    EXPECT_EQ(trace.back().lineBaud, 1200);
}

TEST_F(CliEndToEndTest, ReadJsonEqualsTheSimulatorsConfiguration)
{
    const struct {
        int address;
        const char *baud;
    } cases[] = {{7, "auto"}, {12, "2400"}};
    for (const auto &c : cases) {
        const auto read = run({"--json", "--baud", c.baud, "read", std::to_string(c.address)});
        EXPECT_EQ(read.exitCode, 0) << read.err;
        expectReadShows(jsonOf(read.out).object(), state(c.address));
    }
    EXPECT_EQ(jsonOf(run({"--json", "--baud", "4800", "read", "7"}).out).object()["unit"].toString(), "MPa");
    // The table shows every field of the JSON with its value (the live ones change between reads), and the count of
    // calibration points.
    const std::string points = std::to_string(state(12).config.working.pointCount);
    const auto table = run({"--baud", "2400", "read", "12"});
    EXPECT_NE(table.out.find("\ncalibration points  " + points + "\n"), std::string::npos) << table.out;
    const auto json = jsonOf(run({"--json", "--baud", "2400", "read", "12"}).out).object();
    for (auto it = json.begin(); it != json.end(); ++it) {
        const std::string key = it.key() == "unit_code" ? "unit" : it.key().toStdString();
        const bool live = key == "pressure" || key == "temperature";
        std::string value = " " + (it->isString() ? it->toString().toStdString() : std::to_string(it->toInt()));
        if (it.key() == "unit_code")
            value = "(" + value.substr(1) + ")";
        if (it->isObject())
            continue;
        const auto at = ("\n" + table.out).find("\n" + key + "  ");
        ASSERT_NE(at, std::string::npos) << key << " missing from\n" << table.out;
        const std::string line = table.out.substr(at, table.out.find('\n', at) - at);
        EXPECT_TRUE(live || line.find(value) != std::string::npos) << key << ": " << line;
    }
}

// A late transmitter too: its replies are never taken, least of all as another field's value.
TEST_F(CliEndToEndTest, ReadOfASilentOrLateTransmitterGivesNullsAndNamesEveryField)
{
    m_server.setFault(1, {sim::Fault::Late, 0.0});
    for (const std::string address : {"5", "1"}) {
        SCOPED_TRACE(address);
        const auto read = run({"--json", "read", address});
        EXPECT_EQ(read.exitCode, 1);
        const QJsonObject json = jsonOf(read.out).object();
        for (const auto &key : json.keys()) {
            const bool value = key != "address" && key != "baud" && key != "errors" && key != "calibration";
            EXPECT_TRUE(!value || json[key].isNull()) << key.toStdString();
        }
        EXPECT_TRUE(json["calibration"].toObject()["points"].isNull());
        EXPECT_EQ(json["errors"].toObject()["temperature"].toString(), "ERR 0");
        const std::string late = "01 answers later than the 100 ms timeout; its values were not taken\n";
        EXPECT_EQ(read.err.find(late) != std::string::npos, address == "1") << read.err;
        EXPECT_EQ(read.err.find(late), read.err.rfind(late)) << "told once";
        // A backup with holes would later write less than it promises.
        const std::string file = m_folder.path().toStdString() + "/" + address + ".json";
        const auto backup = run({"backup", address, file});
        EXPECT_EQ(backup.exitCode, 1);
        EXPECT_NE(backup.err.find(" trim_20ma "), std::string::npos) << backup.err;
        EXPECT_NE(backup.err.find(" calibration.table.7\n"), std::string::npos) << backup.err;
        EXPECT_FALSE(QFile::exists(QString::fromStdString(file)));
    }
    // A bare reply holds no value: not read, with the reply as its error, and no backup.
    m_server.setFault(12, {sim::Fault::Bare, 0.0});
    const auto read = run({"--json", "--baud", "2400", "read", "12"});
    EXPECT_EQ(read.exitCode, 1);
    const QJsonObject json = jsonOf(read.out).object();
    EXPECT_TRUE(json["type"].isNull()) << read.out;
    EXPECT_EQ(json["errors"].toObject()["id"].toString(), "*12");
    const std::string file = m_folder.path().toStdString() + "/12.json";
    const auto backup = run({"--baud", "2400", "backup", "12", file});
    EXPECT_EQ(backup.exitCode, 1);
    EXPECT_NE(backup.err.find(" type "), std::string::npos) << backup.err;
    EXPECT_FALSE(QFile::exists(QString::fromStdString(file)));
}

TEST_F(CliEndToEndTest, SetThenReadRoundTripsEveryKey)
{
    const auto set = run({"set", "1", "type=QX900", "id=Z42", "unit=psi", "decimals=2", "display_zero=-1.5",
                          "display_full_scale=250", "output_4ma=0.5", "output_20ma=200", "trim_4ma=-321",
                          "trim_20ma=4321", "address=33", "baud=2400", "--save", "user"});
    EXPECT_EQ(set.exitCode, 0) << set.out << set.err;
    EXPECT_FALSE(m_server.transmitter(1));
    const auto s = state(33);
    EXPECT_EQ(s.config.baud, 2400);
    EXPECT_EQ(s.user, s.config.working);

    const auto read = run({"--json", "--baud", "2400", "read", "33"});
    EXPECT_EQ(read.exitCode, 0) << read.err;
    const QJsonObject r = jsonOf(read.out).object();
    EXPECT_EQ(r["type"].toString(), "QX900");
    EXPECT_EQ(r["id"].toString(), "Z42");
    EXPECT_EQ(r["unit"].toString(), "Psi");
    EXPECT_EQ(r["decimals"].toInt(), 2);
    const std::pair<const char *, double> numbers[] = {{"display_zero", -1.5}, {"display_full_scale", 250},
                                                       {"output_4ma", 0.5},    {"output_20ma", 200},
                                                       {"trim_4ma", -321},     {"trim_20ma", 4321}};
    for (const auto &[key, value] : numbers)
        EXPECT_DOUBLE_EQ(numberIn(r[key]), value) << key;
    expectReadShows(r, state(33));
}

// The trims and the calibration are the source's own: others keep theirs unless --with-trims; the source gets its own.
TEST_F(CliEndToEndTest, ApplyWritesTheTrimsAndCalibrationOnlyToTheirOwnTransmitter)
{
    const std::string file = backupOfTheFirst();
    const DataArea source = state(1).config.working;
    const auto own = [](const DataArea &a) {
        return std::make_tuple(a.ident, a.trimZero, a.trimFull, a.pointCount, a.measured, a.standard);
    };
    const auto apply = run({"--baud", "auto", "apply", file, "7", "12", "--with-calibration", "--save", "user"});
    EXPECT_EQ(apply.exitCode, 0) << apply.out << apply.err;
    for (const int address : {7, 12}) {
        SCOPED_TRACE(address);
        const auto target = state(address);
        DataArea expected = source;
        std::tie(expected.ident, expected.trimZero, expected.trimFull, expected.pointCount, expected.measured,
                 expected.standard) = own(target.config.working);
        EXPECT_EQ(target.config.working, expected);
        EXPECT_NE(own(target.config.working), own(source));
        EXPECT_EQ(target.user, target.config.working);
        const std::string notice = "trims and calibration are 01's own: not written to " +
                                   std::string(address == 7 ? "07" : "12") + "; --with-trims to write them anyway\n";
        EXPECT_NE(apply.err.find(notice), std::string::npos) << apply.err;
        EXPECT_EQ(apply.err.find(notice), apply.err.rfind(notice)) << "told once";
    }

    const auto anyway = run({"--baud", "auto", "apply", file, "7", "12", "--with-calibration", "--with-trims"});
    EXPECT_EQ(anyway.exitCode, 0) << anyway.out << anyway.err;
    EXPECT_EQ(anyway.err.find("own"), std::string::npos) << anyway.err;
    for (const int address : {7, 12}) {
        DataArea expected = source;
        expected.ident = state(address).config.working.ident;
        EXPECT_EQ(state(address).config.working, expected) << address;
    }

    // The source itself, trimmed since, gets its own back.
    EXPECT_EQ(run({"set", "1", "trim_4ma=99"}).exitCode, 0);
    const auto back = run({"apply", file, "1"});
    EXPECT_EQ(back.exitCode, 0) << back.err;
    EXPECT_EQ(back.err.find("own"), std::string::npos) << back.err;
    EXPECT_EQ(state(1).config.working, source);
}

TEST_F(CliEndToEndTest, ApplyWithASilentTransmitterNamesItWhileTheOthersSucceed)
{
    const std::string file = backupOfTheFirst();
    m_server.setFault(7, sim::FaultSetting{sim::Fault::Silent, 0.0});
    const auto twelve = state(12).config.working;
    const auto apply = run({"--baud", "auto", "apply", file, "7", "12", "1"});
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
    const std::string file = backupOfTheFirst();
    const auto apply = run({"--json", "apply", file, "--all", "--addresses", "7,12", "--bauds", "4800,2400"});
    EXPECT_EQ(apply.exitCode, 0) << apply.err;
    const QJsonArray targets = jsonOf(apply.out).array();
    ASSERT_EQ(targets.size(), 2) << apply.out;
    EXPECT_EQ(targets[0].toObject()["baud"].toInt(), 4800);
    EXPECT_EQ(targets[1].toObject()["baud"].toInt(), 2400);
    for (const auto &target : targets)
        EXPECT_EQ(target.toObject()["withheld"].toArray(), (QJsonArray{"trim_4ma", "trim_20ma"})) << apply.out;
    for (const int address : {7, 12}) {
        EXPECT_EQ(state(address).config.working.type, "QX820") << address;
        EXPECT_EQ(state(address).config.working.decimals, 3) << address;
    }
}

TEST_F(CliEndToEndTest, AWriteTheTransmitterRefusesIsNotConfirmedAndNothingIsStored)
{
    // The simulated transmitter keeps texts of at most 16 characters.
    const auto set = run({"set", "1", "type=ABCDEFGHIJKLMNOPQ", "id=NEW", "--save", "user"});
    EXPECT_EQ(set.exitCode, 1);
    EXPECT_NE(set.out.find("not confirmed"), std::string::npos) << set.out;
    EXPECT_EQ(state(1).config.working.ident, "NEW");
    EXPECT_EQ(state(1).user.ident, "A1001");
    for (const auto &entry : m_server.trace())
        EXPECT_NE(entry.command, "WU");
}

TEST_F(CliEndToEndTest, DryRunPrintsTheRequestsAndSendsNothing)
{
    const std::string file = backupOfTheFirst();
    const auto apply = run({"apply", file, "1", "12", "--dry-run", "--with-calibration", "--save", "factory"});
    EXPECT_EQ(apply.exitCode, 0) << apply.err;
    EXPECT_TRUE(m_server.trace().empty());
    for (const char *line : {"01 ZF+0012\n", "01 PN3\n", "12 DP3\n", "12 WF\n"})
        EXPECT_NE(apply.out.find(line), std::string::npos) << apply.out;
    // As a real run: the trims and the calibration of 01 are not shown for 12.
    for (const char *line : {"12 ZF", "12 FF", "12 PN", "12 FC", "12 UC"})
        EXPECT_EQ(apply.out.find(line), std::string::npos) << apply.out;
    EXPECT_NE(apply.err.find("trims and calibration are 01's own: not written to 12;"), std::string::npos) << apply.err;
}

TEST_F(CliEndToEndTest, CtrlCDuringASearchStopsCleanlyAndReports)
{
    CliChild search;
    ASSERT_TRUE(search.start({"--device", m_link, "search"}));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (m_server.trace().size() < 3 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_GE(m_server.trace().size(), 3U);
    ::kill(static_cast<pid_t>(search.pid()), SIGINT);
    ASSERT_TRUE(search.finish(10000));
    EXPECT_EQ(search.result().exitCode, 130);
    EXPECT_EQ(search.result().out, "address  baud\n01       9600\n");
    EXPECT_NE(search.result().err.find("interrupted: 1 found"), std::string::npos) << search.result().err;
    // It stopped between exchanges, long before the 396 of a whole search.
    const auto asked = m_server.trace().size();
    EXPECT_LT(asked, 100U);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(m_server.trace().size(), asked);
}

// One request each; a request that is refused sends nothing and says why.
TEST_F(CliEndToEndTest, OneRequestCommandsCheckTheirAnswers)
{
    const struct {
        std::vector<std::string> arguments;
        int exitCode;
        std::vector<std::string> commands;
        const char *out; // not checked when null
        bool errReason;  // a reason on stderr
    } cases[] = {
        {{"send", "--repeat", "2", "01", "VR"}, 0, {"VR", "VR"}, "*012.10\n*012.10\n", false},
        {{"--baud", "300", "send", "01", "TY"}, 2, {}, "", true},
        // The history learns which transmitter it changes first.
        {{"zero", "1"}, 0, {"TY", "ID", "VR", "SZ"}, nullptr, false},
        {{"save", "1", "factory"}, 0, {"TY", "ID", "VR", "WF"}, nullptr, false},
        {{"restore-factory", "1"}, 0, {"TY", "ID", "VR", "LD"}, nullptr, false},
        {{"--no-history", "save", "1", "user"}, 0, {"WU"}, nullptr, false},
        {{"zero", "5"}, 1, {"TY", "ID", "VR", "SZ"}, nullptr, false},
        {{"save", "1", "elsewhere"}, 2, {}, nullptr, true},
        {{"poll", "1", "--count", "1"}, 0, {"RT0"}, nullptr, false},
        {{"--baud", "auto", "poll", "5"}, 1, {"AD", "AD", "AD", "AD"}, "", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments[0] + " " + c.arguments[1]);
        const auto result = run(c.arguments);
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
        std::vector<std::string> commands;
        for (const auto &entry : m_server.trace())
            commands.push_back(entry.command);
        EXPECT_EQ(commands, c.commands);
        if (c.out != nullptr) {
            EXPECT_EQ(result.out, c.out);
        }
        if (c.errReason) {
            EXPECT_EQ(result.err.rfind("ortavel-cli: ", 0), 0U) << result.err;
        }
    }
}

TEST_F(CliEndToEndTest, PollAlternatesAndReportsTheExtremes)
{
    const auto poll = run({"poll", "1", "--count", "6", "--interval", "0"});
    EXPECT_EQ(poll.exitCode, 0) << poll.err;
    EXPECT_EQ(poll.out.rfind("time_ms,pressure,temperature\n", 0), 0U) << poll.out;
    EXPECT_EQ(std::count(poll.out.begin(), poll.out.end(), '\n'), 7);
    std::vector<std::string> commands;
    for (const auto &entry : m_server.trace())
        commands.push_back(entry.command);
    EXPECT_EQ(commands, (std::vector<std::string>{"RT0", "RP0", "RT0", "RP0", "RT0", "RP0"}));
    EXPECT_NE(poll.err.find("pressure min +12.3"), std::string::npos) << poll.err;
}

} // namespace
} // namespace ortavel::test

namespace ortavel::test {
namespace {

// A port's echo setting on a line that echoes every request, and on one that does not.
TEST(EchoSetting, OfThePortDecidesWhatIsTakenForTheReply)
{
    QTemporaryDir folder;
    sim::SimServer echoing;
    sim::SimServer plain;
    sim::SimServer::Options options;
    options.timing.wireTime = false;
    options.echo = true;
    const std::string echoLine = echoing.start(sim::demoBus(), options);
    options.echo = false;
    const std::string plainLine = plain.start(sim::demoBus(), options);
    const struct {
        const char *name;
        std::string device;
        std::string out;
        int faults; // times the port's fault is told
    } rows[] = {
        {"auto by default", echoLine, "*01QX820\n*01QX820\n", 0},
        {"on", echoLine + "?echo=on", "*01QX820\n*01QX820\n", 0},
        {"off: the echo is taken for the reply", echoLine + "?echo=off", "EER 3\nEER 3\n", 0},
        {"on without an echo: told once, the reply still taken", plainLine + "?echo=on", "*01QX820\n*01QX820\n", 1},
        {"auto without an echo", plainLine, "*01QX820\n*01QX820\n", 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const auto run = runCli({"--no-history", "--device", row.device, "send", "--repeat", "2", "01", "TY"});
        EXPECT_EQ(run.out, row.out) << run.err;
        std::size_t told = 0;
        for (std::size_t at = run.err.find("did not come back as an echo"); at != std::string::npos;
             at = run.err.find("did not come back as an echo", at + 1))
            ++told;
        EXPECT_EQ(told, static_cast<std::size_t>(row.faults)) << run.err;
    }
}

} // namespace
} // namespace ortavel::test
