#include "link/PortMap.h"
#include "link/SerialDevices.h"
#include "support/MemorySettingsStore.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

namespace ortavel {
namespace {

class FakeDevices final : public SerialDevices {
public:
    std::vector<SerialAdapter> list;
    std::vector<SerialAdapter> adapters() const override { return list; }
};

const std::string kById = "/dev/serial/by-id/";
const SerialAdapter kFtdi{kById + "usb-FTDI_FT232R_A1-if00-port0", "/dev/ttyUSB1"};
const SerialAdapter kCh340{kById + "usb-1a86_USB_Serial-if00-port0", "/dev/ttyUSB0"};
const SerialAdapter kCdc{kById + "usb-Moxa_UPort-if00", "/dev/ttyACM0"};

// Each port as "device source".
std::vector<std::string> mapOf(const PortMap &map)
{
    std::vector<std::string> shown;
    for (int n = PortMap::kFirstPort; n <= PortMap::kLastPort; ++n) {
        const PortEntry entry = map.entry(n);
        shown.push_back(entry.device + " " + PortMap::sourceName(entry.source));
    }
    return shown;
}

TEST(PortMap, DefaultsFromTheAdaptersPresent)
{
    struct Case {
        const char *what;
        std::vector<SerialAdapter> adapters;
        std::map<std::string, std::string> stored;
        std::map<int, std::string> overrides;
        std::vector<std::string> expected;
    };
    const std::string s = "/dev/ttyS";
    const Case cases[] = {
        {"nothing found, nothing set",
         {},
         {},
         {},
         {s + "0 default", s + "1 default", s + "2 default", s + "3 default", s + "4 default", s + "5 default"}},
        {"adapters sorted by stable name, then the built-in ports",
         {kFtdi, kCdc, kCh340},
         {},
         {},
         {kCh340.link + " found", kFtdi.link + " found", kCdc.link + " found", s + "0 default", s + "1 default",
          s + "2 default"}},
        {"operator entries win; the defaults stay where they are",
         {kFtdi, kCh340},
         {{"1", "/dev/ttyS0"}, {"3", "/dev/ttyUSB1"}, {"4", "relative/path"}, {"5", ""}},
         {},
         {s + "0 set", kFtdi.link + " found", "/dev/ttyUSB1 set", s + "1 default", s + "2 default", s + "3 default"}},
        {"--port-map overrides both without moving the others",
         {kCh340},
         {{"2", "/dev/ttyAMA0"}},
         {{1, "/tmp/com1"}, {2, "/tmp/com2"}},
         {"/tmp/com1 option", "/tmp/com2 option", s + "1 default", s + "2 default", s + "3 default", s + "4 default"}},
        {"more adapters than ports",
         {kFtdi, kCh340, kCdc, {kById + "a", "/a"}, {kById + "b", "/b"}, {kById + "c", "/c"}, {kById + "d", "/d"}},
         {},
         {},
         {kById + "a found", kById + "b found", kById + "c found", kById + "d found", kCh340.link + " found",
          kFtdi.link + " found"}},
    };
    for (const auto &c : cases) {
        test::MemorySettingsStore store;
        for (const auto &[key, value] : c.stored)
            store.setValue("Kavrin", "PortMap", key, value);
        FakeDevices devices;
        devices.list = c.adapters;
        PortMap map(&store, &devices);
        for (const auto &[number, path] : c.overrides)
            map.setOverride(number, path);
        EXPECT_EQ(mapOf(map), c.expected) << c.what;
    }
    EXPECT_EQ(PortMap(nullptr).devicePath(1), "/dev/ttyS0");
}

// The real listing: links that resolve, in a folder like udev's.
TEST(PortMap, ListsTheLinksOfAFolder)
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / ("ortavel-by-id-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    fs::create_symlink("/dev/null", folder / "usb-one");
    fs::create_symlink(folder / "unplugged", folder / "usb-gone");
    const auto found = SerialDeviceFolder(folder.string()).adapters();
    const auto missing = SerialDeviceFolder((folder / "none").string()).adapters();
    fs::remove_all(folder);
    ASSERT_EQ(found.size(), 1U);
    EXPECT_EQ(found[0].link, (folder / "usb-one").string());
    EXPECT_EQ(found[0].device, "/dev/null");
    EXPECT_TRUE(missing.empty());
}

TEST(PortMap, ParsesTheOption)
{
    EXPECT_EQ(PortMap::parseOption("1=/tmp/x"), std::make_pair(1, std::string("/tmp/x")));
    EXPECT_EQ(PortMap::parseOption("6=a=b"), std::make_pair(6, std::string("a=b")));
    for (const char *bad : {"", "=", "1=", "0=/x", "7=/x", "x=/x", "1/x", " 1=/x", "01x=/x"})
        EXPECT_FALSE(PortMap::parseOption(bad)) << bad;
}

} // namespace
} // namespace ortavel
