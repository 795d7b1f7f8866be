// Garbage in the port map that ortavel-cli reads from its settings folder:
// entries that are no absolute path fall back to the default device, and a
// broken file is no more than an empty one.

#include "CliChild.h"
#include "sim/DemoBus.h"
#include "sim/SimServer.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace ortavel::test {
namespace {

class CliSettingsGarbage : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        sim::SimServer::Options options;
        options.linkPath = (m_folder.path() + "/com2").toStdString();
        options.timing.wireTime = false;
        m_link = m_server.start(sim::demoBus(), options);
    }

    // Runs the command with this settings file in its folder.
    CliResult runWith(const std::string &settingsText, std::vector<std::string> arguments)
    {
        QTemporaryDir settings;
        EXPECT_TRUE(QDir(settings.path()).mkpath("Kavrin"));
        QFile file(settings.path() + "/Kavrin/Kavrin.conf");
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(settingsText.data(), static_cast<qint64>(settingsText.size()));
        file.close();
        arguments.insert(arguments.begin(), {"--settings-dir", settings.path().toStdString()});
        return runCliBytes(arguments);
    }

    QTemporaryDir m_folder;
    sim::SimServer m_server;
    std::string m_link;
};

TEST_F(CliSettingsGarbage, PortMapEntriesThatAreNoPathAreIgnored)
{
    const std::string longPath = "/" + std::string(5000, 'q');
    const std::string settings = "[PortMap]\n"
                                 "1=ttyUSB0\n"
                                 "2=" +
                                 m_link +
                                 "\n"
                                 "3=" +
                                 longPath +
                                 "\n"
                                 "4=\x01\xFF\xFE\n"
                                 "5=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x10QString)\n"
                                 "6=\n"
                                 "7=/dev/null\n"
                                 "x=/dev/null\n";
    const auto ports = runWith(settings, {"--json", "ports"});
    ASSERT_EQ(ports.exitCode, 0) << ports.err;
    const QJsonArray map = QJsonDocument::fromJson(QByteArray::fromStdString(ports.out)).object()["map"].toArray();
    ASSERT_EQ(map.size(), 6) << ports.out;
    const std::string expected[] = {"/dev/ttyS0", m_link, longPath, "/dev/ttyS3", "/dev/ttyS4", "/dev/ttyS5"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(map[i].toObject()["device"].toString().toStdString(), expected[i]) << "com" << i + 1;

    // The entry that names the simulator's line works; the long one fails
    // with the serial layer's description.
    const auto good = runWith(settings, {"--port", "2", "send", "01", "AD"});
    EXPECT_EQ(good.exitCode, 0) << good.err;
    EXPECT_EQ(good.out, "*0101\n");
    const auto refused = runWith(settings, {"--port", "3", "send", "01", "AD"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_EQ(refused.out, "");
    // Qt may have warned about the garbage before; the command's own word
    // is the last line.
    const auto lastLine = refused.err.rfind('\n', refused.err.size() - 2);
    EXPECT_EQ(refused.err.substr(lastLine == std::string::npos ? 0 : lastLine + 1, 13), "ortavel-cli: ") << refused.err;
}

TEST_F(CliSettingsGarbage, BrokenSettingsFileIsNoMap)
{
    const std::string broken[] = {
        std::string("\x00\xFF[PortMap\n2=", 12) + m_link,
        std::string(1 << 16, '\xC3'),
        "[PortMap]\n2" + m_link + "\n",
    };
    for (const auto &text : broken) {
        const auto ports = runWith(text, {"--json", "ports"});
        EXPECT_EQ(ports.exitCode, 0) << ports.err;
        EXPECT_FALSE(QJsonDocument::fromJson(QByteArray::fromStdString(ports.out)).isNull()) << ports.out;
        // An override on the command line still reaches the line.
        const auto send = runWith(text, {"--port", "6", "--port-map", "6=" + m_link, "send", "01", "AD"});
        EXPECT_EQ(send.exitCode, 0) << send.err;
        EXPECT_EQ(send.out, "*0101\n");
    }
}

} // namespace
} // namespace ortavel::test
