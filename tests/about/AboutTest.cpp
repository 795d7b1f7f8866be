#include "about/FrmOrtavelAbout.h"
#include "about/SystemTools.h"
#include "mainwin/FakeServices.h"

#include <gtest/gtest.h>

#include <set>

namespace ortavel::test {
namespace {

// Programs under /usr/bin, one existing file; registry values by root, key and "|name".
class FakePlatform final : public SystemTools, public Registry {
public:
    std::string findProgram(const std::string &name) const override
    {
        return installed.count(name) != 0 ? "/usr/bin/" + name : std::string();
    }
    bool fileExists(const std::string &path) const override { return path == "C:\\Tools\\MSINFO32.EXE"; }
    bool startProgram(const std::string &path) override
    {
        started.push_back(path);
        return starts;
    }
    bool openUrl(const std::string &url) override
    {
        started.push_back(url);
        return true;
    }
    std::optional<Value> read(std::uint32_t root, const std::string &keyPath, const std::string &valueName) override
    {
        const auto it = values.find(std::to_string(root) + keyPath + "|" + valueName);
        if (it == values.end())
            return std::nullopt;
        return Value{kString, {it->second.begin(), it->second.end()}};
    }
    std::set<std::string> installed;
    bool starts = true;
    std::map<std::string, std::string> values;
    std::vector<std::string> started;
};

TEST(AboutTest, LinksOpenAndOkCloses)
{
    FakePlatform platform;
    FakeMessageBox messages;
    FakeWindowHost windows;
    FrmOrtavelAbout about{platform, nullptr, messages, windows};
    about.Label3.click();
    about.Label4.click();
    EXPECT_EQ(platform.started, (std::vector<std::string>{"mailto:sales@example.com", "http://www.example.com"}));
    about.cmdOK.click();
    EXPECT_EQ(windows.closeAnswers, std::vector<bool>{true});
}

// Either a program starts or the box says that there is none.
TEST(AboutTest, SystemInformationOrItsAbsence)
{
    const std::string machine = std::to_string(Registry::kLocalMachine);
    const std::string path = machine + "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO|PATH";
    const std::string location = machine + "SOFTWARE\\Microsoft\\Shared Tools Location|MSINFO";
    const struct {
        std::map<std::string, std::string> registry; // empty: there is no registry
        std::set<std::string> installed;
        bool starts;
        const char *started; // "" when nothing may start
    } cases[] = {
        {{{path, "C:\\Win\\msinfo32.exe"}, {location, "C:\\Tools"}}, {"hardinfo"}, true, "C:\\Win\\msinfo32.exe"},
        {{{location, "C:\\Tools"}}, {}, true, "C:\\Tools\\MSINFO32.EXE"},
        {{{location, "D:\\Gone"}}, {"hardinfo"}, true, ""},
        {{}, {"gnome-system-monitor", "kinfocenter"}, true, "/usr/bin/kinfocenter"},
        {{}, {}, true, ""},
        {{}, {"hardinfo"}, false, "/usr/bin/hardinfo"},
    };
    for (const auto &c : cases) {
        FakePlatform p;
        p.values = c.registry;
        p.installed = c.installed;
        p.starts = c.starts;
        FakeMessageBox said;
        FakeWindowHost windows;
        FrmOrtavelAbout box(p, c.registry.empty() ? nullptr : &p, said, windows);
        box.cmdSysInfo.click();
        EXPECT_EQ(p.started, *c.started ? std::vector<std::string>{c.started} : std::vector<std::string>{});
        const std::string message = said.shown.empty() ? "" : said.shown[0].text + said.shown[0].title;
        EXPECT_EQ(message, c.starts && *c.started ? "" : "此时系统信息不可用Kavrin") << c.started;
    }
}

TEST(AboutTest, RegistryDataBecomesText)
{
    const struct {
        std::uint32_t type;
        std::vector<unsigned char> data;
        std::string expected;
    } cases[] = {
        {Registry::kString, {'C', ':', '\\', 'x', 0}, "C:\\x"},
        {Registry::kDoubleWord, {0x01, 0x02, 0xAB, 0x10}, "&h10AB21"},
        {Registry::kDoubleWord, {0x05, 0x00, 0x00, 0x00}, "&h005"},
        {3, {0x41, 0x42}, "before"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(registryValueText({c.type, c.data}, "before"), c.expected) << c.type;
}

} // namespace
} // namespace ortavel::test
