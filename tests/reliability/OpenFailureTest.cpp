// Ports that cannot be had: ortavel-cli says the serial layer's own words
// on stderr, exits with 2 and prints nothing else.

#include "CliChild.h"
#include "adapters/SerialPortQt.h"
#include "link/PortMap.h"
#include "sim/DemoBus.h"
#include "sim/SimServer.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <grp.h>
#include <linux/capability.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

namespace ortavel::test {
namespace {

// Exactly one line "ortavel-cli: <description>" and nothing on stdout.
void expectPortRefused(const CliResult &run, const std::string &what)
{
    SCOPED_TRACE(what);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    const std::string prefix = "ortavel-cli: ";
    ASSERT_GT(run.err.size(), prefix.size() + 1) << run.err;
    EXPECT_EQ(run.err.substr(0, prefix.size()), prefix) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
}

CliResult sendTo(const std::string &device)
{
    return runCli({"--device", QString::fromStdString(device), "send", "01", "TY"});
}

TEST(OpenFailure, PathsThatAreNoSerialPort)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string base = folder.path().toStdString();
    {
        QFile file(folder.path() + "/file");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("$01TY0C\r");
    }
    ASSERT_EQ(::mkfifo((base + "/fifo").c_str(), 0600), 0);
    std::filesystem::create_symlink(base + "/gone", base + "/dangling");
    const std::pair<std::string, std::string> cases[] = {
        {"missing", base + "/missing"},
        {"regular file", base + "/file"},
        {"directory", base},
        {"named pipe", base + "/fifo"},
        {"dangling link", base + "/dangling"},
        {"not a terminal", "/dev/null"},
        {"empty path", ""},
        {"very long path", "/" + std::string(5000, 'x')},
    };
    for (const auto &[what, path] : cases)
        expectPortRefused(sendTo(path), what);
    // The file stays as it was: nothing was written to it.
    QFile file(folder.path() + "/file");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("$01TY0C\r"));
}

TEST(OpenFailure, NumberedPortWithoutADevice)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString missing = folder.path() + "/ttyMISSING";
    expectPortRefused(runCli({"--port", "3", "--port-map", "3=" + missing, "send", "01", "TY"}), "port map");
}

class HeldPort : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        sim::SimServer::Options options;
        options.linkPath = (m_folder.path() + "/com1").toStdString();
        m_link = m_server.start(sim::demoBus(), options);
        m_device = std::filesystem::canonical(m_link).string();
        ASSERT_NE(m_device, m_link);
    }

    QTemporaryDir m_folder;
    sim::SimServer m_server;
    std::string m_link;
    std::string m_device; // the pseudo-terminal behind the link
};

// Another program that opened the port with QSerialPort holds its lock,
// under whichever name either of them uses.
TEST_F(HeldPort, ByAnotherSerialPortUser)
{
    for (const bool holderUsesLink : {true, false}) {
        PortMap portMap;
        SerialPortQt holder(portMap);
        ASSERT_TRUE(holder.openDevice(holderUsesLink ? m_link : m_device)) << holder.errorString();
        expectPortRefused(sendTo(m_link), "the link");
        expectPortRefused(sendTo(m_device), "the device");
        holder.close();
    }
    const auto run = sendTo(m_device);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "*01QX820\n");
}

// Another running ortavel-cli holds the port for its poll.
TEST_F(HeldPort, ByAnotherCommand)
{
    CliChild poll;
    ASSERT_TRUE(
        poll.start({"--device", QString::fromStdString(m_link), "poll", "01", "--count", "40", "--interval", "50"}));
    for (int i = 0; i < 200 && m_server.trace().empty(); ++i)
        usleep(10000);
    ASSERT_FALSE(m_server.trace().empty()) << "the poll never started";
    expectPortRefused(sendTo(m_link), "the same link");
    expectPortRefused(sendTo(m_device), "the device");
    // Ctrl-C: the poll ends and lets go of the port.
    ::kill(static_cast<pid_t>(poll.pid()), SIGINT);
    EXPECT_TRUE(poll.finish());
    EXPECT_EQ(poll.exitCode(), 130);
}

// A program that opened the terminal for itself alone, without a lock
// file. The superuser passes such a guard, so the command runs without
// that privilege.
TEST_F(HeldPort, ByAnExclusiveOpen)
{
    const int fd = ::open(m_device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ioctl(fd, TIOCEXCL), 0);
    const bool root = ::geteuid() == 0;
    CliChild send;
    send.process().setChildProcessModifier([root] {
        if (root && ::prctl(PR_CAPBSET_DROP, CAP_SYS_ADMIN, 0, 0, 0) != 0)
            ::_exit(77);
    });
    ASSERT_TRUE(send.start({"--device", QString::fromStdString(m_device), "send", "01", "TY"}));
    send.finish();
    ::close(fd);
    if (send.exitCode() == 77)
        GTEST_SKIP() << "cannot give up the superuser's privilege here";
    expectPortRefused({send.exitCode(), send.out(), send.err()}, "exclusive open");
}

// Root passes every check: the device goes to the group uucp (not dialout,
// which an implementation might take for granted) and the port opens as nobody.
TEST_F(HeldPort, WithoutPermission)
{
    const struct group *uucp = ::getgrnam("uucp");
    if (::geteuid() != 0 || uucp == nullptr)
        GTEST_SKIP() << "needs root and the group uucp";
    ASSERT_EQ(::chown(m_device.c_str(), 0, uucp->gr_gid), 0);
    ASSERT_EQ(::chmod(m_device.c_str(), 0660), 0);
    PortMap map;
    map.setOverride(2, m_device);
    SerialPortQt port(map);
    ASSERT_EQ(::seteuid(65534), 0);
    const bool opened = port.setPortNumber(2) && port.open();
    ASSERT_EQ(::seteuid(0), 0);
    EXPECT_FALSE(opened);
    const std::string text = port.errorString();
    EXPECT_TRUE(text.starts_with("Permission denied\nTo use " + m_device + ", join its group \"uucp\"")) << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
    EXPECT_TRUE(text.ends_with("log in again.")) << text;
}

} // namespace
} // namespace ortavel::test
