#include "link/PortMap.h"
#include "link/LatencyTimer.h"
#include "link/PortAddress.h"
#include "link/QuickSearchWait.h"
#include "link/SerialDevices.h"
#include "support/MemorySettingsStore.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <unistd.h>
#endif

#include <filesystem>
#include <fstream>

namespace ortavel {
namespace {

class FakeDevices final : public SerialDevices {
public:
    std::vector<std::string> links;
    std::vector<std::string> adapters() const override { return links; }
};

#ifdef _WIN32
// Windows names its ports itself; only --port-map stands in front.
TEST(PortMap, WindowsNamesComPortsUnlessOverridden)
{
    test::MemorySettingsStore store;
    store.setValue("Kavrin", "PortMap", "2", "/dev/ttyUSB0");
    FakeDevices devices;
    devices.links = {"/id/1"};
    PortMap map(&store, &devices);
    map.setOverride(3, "COM12");
    std::string shown;
    for (int n = PortMap::kFirstPort; n <= PortMap::kLastPort; ++n)
        shown += (n > 1 ? " " : "") + map.devicePath(n) + " " + PortMap::sourceName(map.entry(n).source);
    EXPECT_EQ(shown, "COM1 default COM2 default COM12 option COM4 default COM5 default COM6 default");
}
#else
TEST(PortMap, DefaultsFromTheAdaptersPresent)
{
    const struct {
        std::vector<std::string> adapters;
        std::map<std::string, std::string> stored;
        std::map<int, std::string> overrides;
        std::string expected; // device and why of com1 to com6
    } cases[] = {
        {{"/id/F", "/id/1", "/id/M"},
         {},
         {},
         "/id/1 found /id/F found /id/M found /dev/ttyS0 default /dev/ttyS1 default /dev/ttyS2 default"},
        {{"/id/F", "/id/1"},
         {{"1", "/dev/ttyS0"}, {"3", "/dev/ttyUSB1"}, {"4", "relative"}, {"5", ""}},
         {},
         "/dev/ttyS0 set /id/F found /dev/ttyUSB1 set /dev/ttyS1 default /dev/ttyS2 default /dev/ttyS3 default"},
        {{"/id/1"},
         {{"2", "/dev/ttyAMA0"}},
         {{1, "/tmp/1"}, {2, "/tmp/2"}},
         "/tmp/1 option /tmp/2 option /dev/ttyS1 default /dev/ttyS2 default /dev/ttyS3 default /dev/ttyS4 default"},
        {{"/g", "/f", "/e", "/d", "/c", "/b", "/a"}, {}, {}, "/a found /b found /c found /d found /e found /f found"},
        {{},
         {{"1", "rfc2217://10.0.0.7:2217?echo=on"}, {"2", "tcp://plc"}, {"3", "ftp://plc:21"}},
         {},
         "rfc2217://10.0.0.7:2217?echo=on set /dev/ttyS1 default /dev/ttyS2 default /dev/ttyS3 default "
         "/dev/ttyS4 default /dev/ttyS5 default"},
    };
    for (const auto &c : cases) {
        test::MemorySettingsStore store;
        for (const auto &[key, value] : c.stored)
            store.setValue("Kavrin", "PortMap", key, value);
        FakeDevices devices;
        devices.links = c.adapters;
        PortMap map(&store, &devices);
        for (const auto &[number, path] : c.overrides)
            map.setOverride(number, path);
        std::string shown;
        for (int n = PortMap::kFirstPort; n <= PortMap::kLastPort; ++n)
            shown += (n > 1 ? " " : "") + map.devicePath(n) + " " + PortMap::sourceName(map.entry(n).source);
        EXPECT_EQ(shown, c.expected);
    }
}

TEST(PortMap, ListsTheLinksThatLeadSomewhere)
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / ("ortavel-by-id-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    fs::create_symlink("/dev/null", folder / "usb-one");
    fs::create_symlink(folder / "unplugged", folder / "usb-gone");
    const auto found = SerialDeviceFolder(folder.string()).adapters();
    fs::remove_all(folder);
    EXPECT_EQ(found, std::vector<std::string>{(folder / "usb-one").string()});
}

// A USB adapter's latency timer as the device tree shows it, reached through the stable name's link.
TEST(LatencyTimer, ReadFromTheDeviceTreeAndAddedAboveTwoMs)
{
    namespace fs = std::filesystem;
    const fs::path root = fs::temp_directory_path() / ("ortavel-sysfs-" + std::to_string(::getpid()));
    const struct {
        const char *name;
        const char *file; // nullptr: the device shows no timer
        std::optional<int> ms;
        int added;
    } rows[] = {
        {"the common default", "16\n", 16, 16},
        {"low latency granted", "1\n", 1, 0},
        {"at the limit", "2", 2, 0},
        {"just above", "3", 3, 3},
        {"no timer (not a USB chip)", nullptr, std::nullopt, 0},
        {"not a number", "x16\n", std::nullopt, 0},
        {"beyond what a chip keeps", "256", std::nullopt, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove_all(root);
        fs::create_directories(root / "dev" / "serial");
        fs::create_directories(root / "class" / "tty" / "ttyUSB3" / "device");
        std::ofstream(root / "dev" / "ttyUSB3").put('\0');
        fs::create_symlink(root / "dev" / "ttyUSB3", root / "dev" / "serial" / "usb-chip");
        if (row.file != nullptr)
            std::ofstream(root / "class" / "tty" / "ttyUSB3" / "device" / "latency_timer") << row.file;
        const std::string stable = (root / "dev" / "serial" / "usb-chip").string();
        EXPECT_EQ(readLatencyTimerMs(root.string(), stable), row.ms);
        EXPECT_EQ(latencyAllowanceMs(root.string(), stable), row.added);
    }
    fs::remove_all(root);
}
#endif

// What the quick search says it added to its wait.
TEST(QuickSearchWait, NamesWhatTheLineAdds)
{
    EXPECT_EQ(quickSearchAdditions(0, 0), "");
    EXPECT_EQ(quickSearchAdditions(20, 0), "The link's reply allowance (20 ms) is added to the wait");
    EXPECT_EQ(quickSearchAdditions(0, 16), "The adapter's latency timer (16 ms) is added to the wait");
    EXPECT_EQ(quickSearchAdditions(20, 16),
              "The link's reply allowance (20 ms) and the adapter's latency timer (16 ms) are added to the wait");
}

TEST(PortMap, ParsesTheOption)
{
    EXPECT_EQ(PortMap::parseOption("1=/tmp/x"), std::make_pair(1, std::string("/tmp/x")));
    EXPECT_EQ(PortMap::parseOption("6=a=b"), std::make_pair(6, std::string("a=b")));
    for (const char *bad : {"", "=", "1=", "0=/x", "7=/x", "x=/x", "1/x", " 1=/x", "01x=/x"})
        EXPECT_FALSE(PortMap::parseOption(bad)) << bad;
}

// What the operator sees of a link, or why it is none.
TEST(PortAddress, ReadsEachFormAndRefusesTheRest)
{
    const struct {
        const char *text;
        const char *shown; // target and link, or the reason it is refused
    } rows[] = {
        {"/dev/ttyUSB0", "/dev/ttyUSB0: serial device, reply allowance 0 ms, echo auto"},
        {"/dev/ttyUSB0?echo=on&allowance=5", "/dev/ttyUSB0: serial device, reply allowance 5 ms, echo on"},
        {"tcp://plc-7.site:4001",
         "tcp://plc-7.site:4001: raw TCP, rate fixed at 9600 baud by the server, reply allowance 20 ms, echo auto"},
        {"tcp://10.1.2.3:4001?baud=2400&allowance=0",
         "tcp://10.1.2.3:4001: raw TCP, rate fixed at 2400 baud by the server, reply allowance 0 ms, echo auto"},
        {"rfc2217://[fe80::1]:2217?echo=off", "rfc2217://[fe80::1]:2217: RFC 2217, reply allowance 20 ms, echo off"},
        {"rfc2217://host:2217?baud=9600", "baud= is for raw TCP links only: elsewhere the rate is set on the line"},
        {"tcp://host:4001?baud=19200", "baud takes 1200, 2400, 4800 or 9600"},
        {"tcp://host:4001?allowance=1001", "allowance takes a whole number of milliseconds from 0 to 1000"},
        {"tcp://host:4001?echo=yes", "echo takes off, on or auto"},
        {"tcp://host:4001?speed=1", "unknown option \"speed\" (baud, allowance and echo are known)"},
        {"tcp://host:4001?", "unknown option \"\" (baud, allowance and echo are known)"},
        {"tcp://host", "the host needs a :PORT"},
        {"tcp://host:0", "the TCP port takes a whole number from 1 to 65535"},
        {"tcp://host:65536", "the TCP port takes a whole number from 1 to 65535"},
        {"tcp://:4001", "the host is empty or has characters no host name has"},
        {"tcp://a b:4001", "the host is empty or has characters no host name has"},
        {"tcp://fe80::1:4001", "an IPv6 address goes in brackets followed by :PORT"},
        {"rfc2217://[fe80::1]2217", "an IPv6 address goes in brackets followed by :PORT"},
        {"telnet://host:23", "only tcp:// and rfc2217:// links are known"},
        {"?echo=on", "no device given"},
    };
    for (const auto &row : rows) {
        std::string error;
        const auto address = parsePortAddress(row.text, error);
        EXPECT_EQ(address ? address->target() + ": " + address->linkText() : error, row.shown) << row.text;
    }
}

} // namespace
} // namespace ortavel
