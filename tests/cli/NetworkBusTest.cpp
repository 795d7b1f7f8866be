// The real ortavel-cli through a real device server (ser2net) in front of the simulator's demo bus.

#include "reliability/Programs.h"
#include "support/DeviceServer.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <chrono>

namespace ortavel::test {
namespace {

class NetworkBusTest : public DemoLine {
protected:
    void SetUp() override
    {
        DemoLine::SetUp();
        ASSERT_TRUE(m_deviceServer.start(m_link)) << m_deviceServer.error();
    }

    CliResult runAt(const std::string &url, std::vector<std::string> arguments)
    {
        m_server.clearTrace();
        arguments.insert(arguments.begin(), {"--device", url});
        return runCli(arguments);
    }

    std::string path(const char *name) const { return m_folder.filePath(name).toStdString(); }

    DeviceServer m_deviceServer;
};

// One changed point of 01's calibration, as a file apply takes.
std::string changedCalibration(const std::string &backup, const std::string &file)
{
    QFile in(QString::fromStdString(backup));
    EXPECT_TRUE(in.open(QIODevice::ReadOnly));
    QJsonObject root = QJsonDocument::fromJson(in.readAll()).object();
    QJsonObject calibration = root["calibration"].toObject();
    QJsonArray table = calibration["table"].toArray();
    QJsonObject point = table[1].toObject();
    point["standard"] = "+50.500";
    table[1] = point;
    calibration["table"] = table;
    root["calibration"] = calibration;
    QFile out(QString::fromStdString(file));
    EXPECT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(QJsonDocument(root).toJson());
    return file;
}

TEST_F(NetworkBusTest, EachKindOfLinkSearchesReadsWritesAndVerifies)
{
    const struct {
        const char *name;
        bool raw;
        const char *found; // search --json
        int lastRate;      // the rate of the search's last request, as the simulator's line had it
    } links[] = {
        {"raw TCP: the server's rate only", true, R"([{"address":"01","baud":9600}])", 9600},
        {"RFC 2217: every rate, set through the server", false,
         R"([{"address":"01","baud":9600},{"address":"07","baud":4800},{"address":"12","baud":2400}])", 1200},
    };
    for (const auto &l : links) {
        SCOPED_TRACE(l.name);
        const std::string url = l.raw ? m_deviceServer.rawUrl() : m_deviceServer.rfc2217Url();
        const auto search = runAt(url, {"--json", "search", "--addresses", "1,7,12"});
        EXPECT_EQ(QJsonDocument::fromJson(QByteArray::fromStdString(search.out)).toJson(QJsonDocument::Compact),
                  QByteArray(l.found))
            << search.err;
        ASSERT_FALSE(m_server.trace().empty());
        EXPECT_EQ(m_server.trace().back().lineBaud, l.lastRate);
        EXPECT_EQ(search.err.find("searching at 9600 baud only") != std::string::npos, l.raw) << search.err;

        const auto read = runAt(url, {"--json", "read", "1"});
        EXPECT_EQ(read.exitCode, 0) << read.err;
        EXPECT_EQ(QJsonDocument::fromJson(QByteArray::fromStdString(read.out)).object()["id"].toString(), "A1001");

        const std::string type = l.raw ? "RAW1" : "TEL1";
        const auto set = runAt(url, {"set", "1", "type=" + type});
        EXPECT_EQ(set.exitCode, 0) << set.out << set.err;
        EXPECT_EQ(m_server.transmitter(1)->config.working.type, type);

        const auto backup = runAt(url, {"backup", "1", path("01.json")});
        ASSERT_EQ(backup.exitCode, 0) << backup.err;
        const auto apply =
            runAt(url, {"apply", changedCalibration(path("01.json"), path("changed.json")), "1", "--with-calibration"});
        EXPECT_EQ(apply.exitCode, 0) << apply.out << apply.err;
        EXPECT_DOUBLE_EQ(m_server.transmitter(1)->config.working.standard[1], 50.5);

        m_server.setPressure(1, 0.0);
        const auto verify = runAt(url, {"verify", "1", "--points", "0", "--samples", "2", "--reference-values", "0",
                                        "--csv", path("run.csv")});
        EXPECT_EQ(verify.exitCode, 0) << verify.out << verify.err;
        EXPECT_TRUE(QFile::exists(QString::fromStdString(path("run.csv"))));
    }
}

TEST_F(NetworkBusTest, ARawServersRateIsNeitherSearchedAroundNorWrittenAway)
{
    const auto baud = runAt(m_deviceServer.rawUrl(), {"set", "1", "baud=4800"});
    EXPECT_EQ(baud.exitCode, 1) << baud.out << baud.err;
    EXPECT_NE((baud.out + baud.err).find("the line's rate is set at its device server (9600 baud)"), std::string::npos)
        << baud.out << baud.err;
    for (const auto &entry : m_server.trace())
        EXPECT_EQ(entry.command.rfind("BR", 0), std::string::npos) << entry.frame;
    EXPECT_EQ(m_server.transmitter(1)->config.baud, 9600);

    const auto other = runAt(m_deviceServer.rawUrl() + "?baud=4800", {"read", "7"});
    EXPECT_EQ(other.exitCode, 2) << other.err;
    EXPECT_NE(other.err.find("--baud 9600: the line's rate is set at its device server (4800 baud)"), std::string::npos)
        << other.err;
}

TEST_F(NetworkBusTest, AServerStoppedDuringAPollClosesTheLineWithoutAHang)
{
    CliChild child;
    ASSERT_TRUE(
        child.start({"--device", m_deviceServer.rfc2217Url(), "poll", "1", "--count", "20", "--interval", "100"}));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (m_server.trace().size() < 3 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    m_deviceServer.stop();
    const std::size_t sent = m_server.trace().size();
    ASSERT_TRUE(child.finish(15000)) << "the poll hangs";
    EXPECT_EQ(child.result().exitCode, 1);
    EXPECT_NE(child.result().err.find("ortavel-cli: the line was lost during the run: Lost the connection to " +
                                      m_deviceServer.rfc2217Url()),
              std::string::npos)
        << child.result().err;
    EXPECT_LE(m_server.trace().size(), sent + 1) << "nothing goes out after the loss";
}

} // namespace
} // namespace ortavel::test
