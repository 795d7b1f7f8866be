#include "link/PortMap.h"
#include "link/SerialDevices.h"
#include "support/MemorySettingsStore.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <unistd.h>
#endif

#include <filesystem>

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
#endif

TEST(PortMap, ParsesTheOption)
{
    EXPECT_EQ(PortMap::parseOption("1=/tmp/x"), std::make_pair(1, std::string("/tmp/x")));
    EXPECT_EQ(PortMap::parseOption("6=a=b"), std::make_pair(6, std::string("a=b")));
    for (const char *bad : {"", "=", "1=", "0=/x", "7=/x", "x=/x", "1/x", " 1=/x", "01x=/x"})
        EXPECT_FALSE(PortMap::parseOption(bad)) << bad;
}

} // namespace
} // namespace ortavel
