#include "link/PortMap.h"
#include "support/MemorySettingsStore.h"

#include <gtest/gtest.h>

namespace ortavel {
namespace {

TEST(PortMap, DefaultsStoreAndOverrides)
{
    test::MemorySettingsStore store;
    store.setValue("Kavrin", "PortMap", "2", "/dev/ttyUSB0");
    store.setValue("Kavrin", "PortMap", "3", "relative/path");
    store.setValue("Kavrin", "PortMap", "4", "");
    PortMap map(&store);
    map.setOverride(5, "/tmp/sim/com5");

    EXPECT_EQ(map.devicePath(1), "/dev/ttyS0");
    EXPECT_EQ(map.devicePath(2), "/dev/ttyUSB0");
    EXPECT_EQ(map.devicePath(3), "/dev/ttyS2") << "garbage in the store is ignored";
    EXPECT_EQ(map.devicePath(4), "/dev/ttyS3");
    EXPECT_EQ(map.devicePath(5), "/tmp/sim/com5");
    EXPECT_EQ(map.devicePath(6), "/dev/ttyS5");
    EXPECT_EQ(PortMap(nullptr).devicePath(1), "/dev/ttyS0");
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
