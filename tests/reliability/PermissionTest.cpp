// A port the user may not open. Tests run as root, whom no device refuses:
// the pseudo-terminal goes to another group and the tool runs as "nobody".

#include "CliChild.h"
#include "adapters/SerialPortQt.h"
#include "link/PortMap.h"
#include "link/SteadyClock.h"
#include "mainwin/FakeServices.h"
#include "mainwin/Ortavel.h"
#include "sim/DemoBus.h"
#include "sim/SimServer.h"
#include "support/MemorySettingsStore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

namespace ortavel::test {
namespace {

constexpr uid_t kNobody = 65534;

// The serial layer's description, then the remedy naming device and group.
void expectRemedy(const std::string &message, const std::string &device, const std::string &group)
{
    SCOPED_TRACE(message);
    const auto cut = message.find('\n');
    ASSERT_NE(cut, std::string::npos);
    EXPECT_EQ(message.substr(0, cut), "Permission denied");
    std::string remedy = message.substr(cut + 1);
    if (!remedy.empty() && remedy.back() == '\n')
        remedy.pop_back();
    EXPECT_EQ(remedy.find('\n'), std::string::npos) << "one line";
    EXPECT_NE(remedy.find(device), std::string::npos);
    EXPECT_NE(remedy.find("group \"" + group + "\""), std::string::npos);
    EXPECT_NE(remedy.find("usermod -aG " + group + " "), std::string::npos);
    EXPECT_NE(remedy.find("log in again"), std::string::npos);
}

TEST(Permission, RefusedPortNamesTheGroupToJoin)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to give the device away";
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    sim::SimServer server;
    sim::SimServer::Options options;
    options.linkPath = (folder.path() + "/com1").toStdString();
    const std::string device = std::filesystem::canonical(server.start(sim::demoBus(), options)).string();
    // Not the usual "dialout", so that a group taken for granted shows.
    const struct group *uucp = ::getgrnam("uucp");
    const gid_t gid = uucp != nullptr ? uucp->gr_gid : 4242;
    const std::string group = uucp != nullptr ? "uucp" : "4242";
    ASSERT_EQ(::chown(device.c_str(), 0, gid), 0);
    ASSERT_EQ(::chmod(device.c_str(), 0660), 0);

    // The window: choosing the port shows the message.
    PortMap map;
    map.setOverride(2, device);
    SerialPortQt port(map);
    SteadyClock clock;
    MemorySettingsStore settings;
    FakeMessageBox messages;
    FakeEventPump events;
    FakeWindowHost windows;
    Ortavel window(port, clock, settings, messages, events, windows);
    window.Form_Load();
    ASSERT_EQ(::seteuid(kNobody), 0);
    window.cmbCommPort.choose(1);
    ASSERT_EQ(::seteuid(0), 0);
    EXPECT_FALSE(port.isOpen());
    ASSERT_EQ(messages.shown.size(), 1U);
    expectRemedy(messages.shown[0].text, device, group);
    EXPECT_EQ(window.cmbCommPort.entries()[1].toolTip, device);

    // The command line: the same lines on stderr.
    CliChild cli;
    cli.process().setChildProcessModifier([] {
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            ::_exit(77);
    });
    ASSERT_TRUE(cli.start({"--device", QString::fromStdString(device), "send", "01", "TY"}));
    ASSERT_TRUE(cli.finish());
    EXPECT_EQ(cli.exitCode(), 2);
    EXPECT_EQ(cli.out(), "");
    const std::string prefix = "ortavel-cli: ";
    ASSERT_EQ(cli.err().substr(0, prefix.size()), prefix) << cli.err();
    expectRemedy(cli.err().substr(prefix.size()), device, group);
}

} // namespace
} // namespace ortavel::test
