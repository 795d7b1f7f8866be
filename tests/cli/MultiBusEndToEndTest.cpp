// The real ortavel-cli on three simulated buses at once: com1 holds 01, com2 another 01 with 07 and 12, reached
// through a real device server (ser2net, RFC 2217), com3 no transmitter at all.

#include "reliability/Programs.h"
#if ORTAVEL_NETWORK
#include "support/DeviceServer.h"
#endif

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <iterator>
#include <sstream>
#include <thread>

namespace ortavel::test {
namespace {

// Whether a line of the text holds just these words.
bool hasLine(const std::string &text, const std::vector<std::string> &words)
{
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        std::istringstream cells(line);
        if (std::vector<std::string>(std::istream_iterator<std::string>(cells), {}) == words)
            return true;
    }
    return false;
}

constexpr const char *kAddresses = "1,5,7,12";

class MultiBusEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        const auto demo = sim::demoBus().transmitters;
        sim::TransmitterConfig second = demo[0];
        second.working.ident = "D2001";
        const sim::BusConfig buses[] = {{{demo[0]}, 1}, {{second, demo[1], demo[2]}, 2}, {{}, 3}};
        for (std::size_t i = 0; i < m_servers.size(); ++i) {
            sim::SimServer::Options options;
            options.linkPath = (m_folder.path() + "/com" + QString::number(i + 1)).toStdString();
            options.timing.wireTime = false;
            options.timing.turnaround = std::chrono::milliseconds(1);
            m_links[i] = m_servers[i].start(buses[i], options);
            ASSERT_FALSE(m_links[i].empty());
        }
#if ORTAVEL_NETWORK
        ASSERT_TRUE(m_deviceServer.start(m_links[1])) << m_deviceServer.error();
        m_links[1] = m_deviceServer.rfc2217Url();
#endif
    }

    // The arguments with com1 to com3 mapped to the three buses.
    std::vector<std::string> mapped(std::vector<std::string> arguments) const
    {
        for (std::size_t i = 0; i < m_links.size(); ++i)
            arguments.insert(arguments.begin(), {"--port-map", std::to_string(i + 1) + "=" + m_links[i]});
        return arguments;
    }
    // ortavel-cli on the three buses, and its wall time.
    CliResult run(const std::vector<std::string> &arguments, double *wallMs = nullptr)
    {
        const auto start = std::chrono::steady_clock::now();
        auto result = runCli(mapped(arguments));
        if (wallMs)
            *wallMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        return result;
    }

    QTemporaryDir m_folder;
    std::array<sim::SimServer, 3> m_servers;
    std::array<std::string, 3> m_links; // what com1 to com3 stand for
#if ORTAVEL_NETWORK
    DeviceServer m_deviceServer;
#endif
};

TEST_F(MultiBusEndToEndTest, SearchGivesTheUnionInPortOrderAndTakesTheTimeOfTheSlowestBus)
{
    double sumMs = 0;
    for (const char *port : {"1", "2", "3"}) {
        double ms = 0;
        run({"--port", port, "search", "--addresses", kAddresses}, &ms);
        sumMs += ms;
    }
    double wallMs = 0;
    const auto json = run({"--json", "--port", "3,1", "--port", "2", "search", "--addresses", kAddresses}, &wallMs);
    EXPECT_LT(wallMs, 0.8 * sumMs) << "three buses " << wallMs << " ms, one after another " << sumMs << " ms";
    // The empty bus is the worst outcome, and says so under its port.
    EXPECT_EQ(json.exitCode, 1) << json.err;
    EXPECT_NE(json.err.find("com3: search over: 0 found"), std::string::npos) << json.err;

    const struct {
        const char *port, *address;
        int baud;
    } expected[] = {{"com1", "01", 9600}, {"com2", "01", 9600}, {"com2", "07", 4800}, {"com2", "12", 2400}};
    const QJsonArray found = jsonArrayOf(json.out);
    ASSERT_EQ(found.size(), 4) << json.out;
    const auto text = run({"--port", "1,2,3", "search", "--addresses", kAddresses});
    for (int i = 0; i < 4; ++i) {
        const auto &e = expected[i];
        SCOPED_TRACE(std::string(e.port) + " " + e.address);
        const QJsonObject row = found[i].toObject();
        EXPECT_EQ(row["port"].toString().toStdString(), e.port);
        EXPECT_EQ(row["address"].toString().toStdString(), e.address);
        EXPECT_EQ(row["baud"].toInt(), e.baud);
        EXPECT_TRUE(hasLine(text.out, {e.port, e.address, std::to_string(e.baud)})) << text.out;
    }
    EXPECT_EQ(text.out.rfind("port  address  baud\n", 0), 0U) << "one table, one header\n" << text.out;
}

TEST_F(MultiBusEndToEndTest, ReadShowsTheSilentBusAsSuchWhileTheOthersSucceedAndRecordsEachUnderItsDevice)
{
    const std::string history = "sqlite:" + m_folder.path().toStdString() + "/history.sqlite";
    const auto json = run({"--history", history, "--json", "--port", "3,2,1", "read", "1"});
    EXPECT_EQ(json.exitCode, 1) << "the silent bus fails the run\n" << json.err;
    const auto text = run({"--no-history", "--port", "1,3", "read", "1"});
    const struct {
        const char *name;
        const char *port;
        const char *id; // nullptr: nothing answers there
        const std::string &device;
    } rows[] = {{"the first bus", "com1", "A1001", m_links[0]},
                {"another 01 on the second", "com2", "D2001", m_links[1]},
                {"the silent bus", "com3", nullptr, m_links[2]}};
    const QJsonArray records = jsonArrayOf(json.out);
    ASSERT_EQ(records.size(), 3) << json.out;
    const QJsonArray known = jsonArrayOf(run({"--history", history, "history", "--json"}).out);
    for (int i = 0; i < 3; ++i) {
        const auto &row = rows[i];
        SCOPED_TRACE(row.name);
        const QJsonObject record = records[i].toObject();
        EXPECT_EQ(record["port"].toString().toStdString(), row.port);
        const bool silent = row.id == nullptr;
        EXPECT_EQ(record["id"].toString().toStdString(), silent ? "" : row.id);
        EXPECT_EQ(record["errors"].toObject().isEmpty(), !silent);
        EXPECT_EQ(json.err.find(std::string(row.port) + ": id: not read") != std::string::npos, silent) << json.err;
        if (silent)
            continue;
        const auto entry = std::find_if(known.begin(), known.end(), [&](const QJsonValue &v) {
            return v.toObject()["ident"].toString() == row.id;
        });
        ASSERT_NE(entry, known.end()) << "no history of " << row.id;
        EXPECT_EQ(entry->toObject()["port"].toString().toStdString(), row.device);
    }
    // The table rows name their bus too: the good one's id, the silent one's gap.
    EXPECT_TRUE(hasLine(text.out, {"com1", "id", "A1001"})) << text.out;
    EXPECT_TRUE(hasLine(text.out, {"com3", "id", "-"})) << text.out;
}

TEST_F(MultiBusEndToEndTest, CtrlCStopsEveryBusBetweenExchanges)
{
    CliChild search;
    ASSERT_TRUE(search.start(mapped({"--no-history", "--port", "1,2,3", "search"})));
    const auto everyBusAsked = [&] {
        return std::all_of(m_servers.begin(), m_servers.end(), [](const auto &s) { return s.trace().size() >= 2; });
    };
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!everyBusAsked() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_TRUE(everyBusAsked());
    ::kill(search.pid(), SIGINT);
    ASSERT_TRUE(search.finish(10000));
    EXPECT_EQ(search.result().exitCode, 130);
    for (std::size_t i = 0; i < m_servers.size(); ++i) {
        const std::string port = "com" + std::to_string(i + 1);
        SCOPED_TRACE(port);
        EXPECT_NE(search.result().err.find(port + ": interrupted:"), std::string::npos) << search.result().err;
        const auto asked = m_servers[i].trace().size();
        EXPECT_LT(asked, 100U) << "a whole search asks 396 times";
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        EXPECT_EQ(m_servers[i].trace().size(), asked);
    }
}

// The operator answers one bus after another, and each bus's report is a file of its own.
TEST_F(MultiBusEndToEndTest, VerifyTakesTheBusesInTurnAndWritesAReportForEach)
{
    const QString folder = m_folder.path() + "/";
    const auto verify = run({"--no-history", "--trace", "--port", "2,1", "verify", "1", "--points", "0", "--samples",
                             "1", "--reference-values", "0", "--csv", (folder + "run.csv").toStdString()});
    EXPECT_NE(verify.exitCode, 2) << verify.err;
    EXPECT_LT(verify.err.rfind("\ncom1: "), verify.err.find("\ncom2: ")) << "the runs overlapped\n" << verify.err;
    const std::pair<const char *, const char *> rows[] = {{"com1", "A1001"}, {"com2", "D2001"}};
    for (const auto &[port, id] : rows) {
        SCOPED_TRACE(port);
        QFile file(folder + "run-" + port + ".csv");
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.readAll().contains(QByteArray(",01,QX820,") + id + ","));
        EXPECT_TRUE(hasLine(verify.out, {port, "method:", "Free", "plan"})) << verify.out;
    }
}

TEST_F(MultiBusEndToEndTest, SeveralBusesAreRefusedWhereTheyCannotWork)
{
    const struct {
        const char *name;
        std::vector<std::string> args;
        std::string says;
    } cases[] = {
        {"a port twice", {"--port", "1,2", "--port", "1", "search"}, "--port 1 is given twice"},
        {"a device twice", {"--device", "/dev/a", "--device", "/dev/a", "search"}, "given twice"},
        {"a write to one transmitter", {"--port", "1,2", "set", "1", "unit=1"}, "set takes one port"},
        {"a port out of range in the list", {"--port", "1,7", "search"}, "--port takes a number from 1 to 6"},
        {"one device by number and by path",
         {"--port", "1", "--device", m_folder.path().toStdString() + "/com1", "search"},
         "com1 and " + m_folder.path().toStdString() + "/com1 are the same device"},
        {"devices whose files would collide",
         {"--device", "/dev/a/b", "--device", "/dev/a_b", "search"},
         "same name in files"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const auto refused = run(c.args);
        EXPECT_EQ(refused.exitCode, 2);
        EXPECT_NE(refused.err.find(c.says), std::string::npos) << refused.err;
        EXPECT_TRUE(refused.out.empty()) << refused.out;
    }
}

} // namespace
} // namespace ortavel::test
