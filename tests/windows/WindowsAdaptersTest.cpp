// The Win32 adapters, run under Wine: the registry reader on values Wine
// always has and on values written here, and the serial port's refusals
// without a device.
#include "adapters/RegistryWindows.h"
#include "adapters/SerialPortWin.h"
#include "link/PortMap.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace ortavel {
namespace {

constexpr std::uint32_t kCurrentUser = 0x80000001U;
constexpr const char *kTestKey = "Software\\OrtavelTest";

std::string text(const Registry::Value &value)
{
    return {value.data.begin(), value.data.end()};
}

TEST(RegistryWindows, ReadsWhatTheSystemAndTheTestWrote)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const std::string path = "C:\\Tools\\msinfo32.exe";
    const DWORD number = 0x01020304;
    RegSetValueExA(key, "Path", 0, REG_SZ, reinterpret_cast<const BYTE *>(path.c_str()),
                   static_cast<DWORD>(path.size() + 1));
    RegSetValueExA(key, "Number", 0, REG_DWORD, reinterpret_cast<const BYTE *>(&number), sizeof(number));
    RegCloseKey(key);

    RegistryWindows registry;
    const auto written = registry.read(kCurrentUser, kTestKey, "Path");
    const auto dword = registry.read(kCurrentUser, kTestKey, "Number");
    const auto version =
        registry.read(Registry::kLocalMachine, "Software\\Microsoft\\Windows NT\\CurrentVersion", "CurrentVersion");
    const auto noValue = registry.read(kCurrentUser, kTestKey, "Absent");
    const auto noKey = registry.read(Registry::kLocalMachine, "Software\\OrtavelAbsent", "Path");
    RegDeleteKeyA(HKEY_CURRENT_USER, kTestKey);

    ASSERT_TRUE(written && dword && version);
    EXPECT_EQ(written->type, Registry::kString);
    EXPECT_EQ(text(*written), path + '\0');
    EXPECT_EQ(registryValueText(*written, "old"), path);
    EXPECT_EQ(dword->type, Registry::kDoubleWord);
    EXPECT_EQ(registryValueText(*dword, "old"), "&h1234");
    EXPECT_EQ(version->type, Registry::kString);
    EXPECT_NE(text(*version).find('.'), std::string::npos) << text(*version);
    EXPECT_FALSE(noValue);
    EXPECT_FALSE(noKey);
}

TEST(SerialPortWin, RefusesWhatItCannotDo)
{
    PortMap map;
    map.setOverride(2, "COM97");
    SerialPortWin port(map);

    EXPECT_FALSE(port.setPortNumber(7));
    EXPECT_FALSE(port.setPortNumber(0));
    const struct {
        const char *settings;
        bool taken;
    } settings[] = {{"4800,E,7,2", true}, {"9600,X,8,1", false}, {"9600,N,9,1", false}, {"0,N,8,1", false}};
    for (const auto &c : settings) {
        EXPECT_EQ(port.setSettings(c.settings), c.taken) << c.settings;
        EXPECT_EQ(port.settings(), "4800,E,7,2") << c.settings;
    }

    ASSERT_TRUE(port.setPortNumber(2));
    EXPECT_EQ(port.deviceName(2), "COM97");
    EXPECT_FALSE(port.open());
    EXPECT_FALSE(port.isOpen());
    EXPECT_NE(port.errorString().find("COM97"), std::string::npos) << port.errorString();
    EXPECT_FALSE(port.write("$01TY"));
    EXPECT_EQ(port.errorString(), "Port is closed");
    EXPECT_EQ(port.waitForInput(10), WaitResult::Failed);
    EXPECT_EQ(port.readAvailable(), "");
    EXPECT_FALSE(port.close());
}

} // namespace
} // namespace ortavel
