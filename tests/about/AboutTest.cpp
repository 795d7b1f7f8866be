#include "about/FrmOrtavelAbout.h"
#include "about/SystemTools.h"
#include "mainwin/FakeServices.h"

#include <gtest/gtest.h>

#include <set>

namespace ortavel::test {
namespace {

class FakeTools final : public SystemTools {
public:
    std::string findProgram(const std::string &name) const override
    {
        return installed.count(name) != 0 ? "/usr/bin/" + name : std::string();
    }
    bool fileExists(const std::string &path) const override { return files.count(path) != 0; }
    bool startProgram(const std::string &path) override
    {
        started.push_back(path);
        return starts;
    }
    bool openUrl(const std::string &url) override
    {
        opened.push_back(url);
        return true;
    }
    std::set<std::string> installed;
    std::set<std::string> files;
    bool starts = true;
    std::vector<std::string> started;
    std::vector<std::string> opened;
};

// Values of the local machine by "key|name".
class FakeRegistry final : public Registry {
public:
    std::optional<Value> read(std::uint32_t root, const std::string &keyPath, const std::string &valueName) override
    {
        const auto it = values.find(keyPath + "|" + valueName);
        if (root != kLocalMachine || it == values.end())
            return std::nullopt;
        return it->second;
    }
    std::map<std::string, Value> values;
};

Registry::Value text(const std::string &value)
{
    Registry::Value v{Registry::kString, {value.begin(), value.end()}};
    v.data.push_back(0);
    return v;
}

TEST(AboutTest, TextsAndLinks)
{
    FakeTools tools;
    FakeMessageBox messages;
    FakeWindowHost windows;
    FrmOrtavelAbout about(tools, nullptr, messages, windows);
    const std::pair<const Label *, const char *> texts[] = {
        {&about, "About Ortavel"},
        {&about.Label1, "Kavrin Products Management Dept."},
        {&about.Label2,
         "   The software is suitable to QX820/830 Intelligent Transmitter Version 2.00. The software is "
         "free of charge. The users could download it from our website."},
        {&about.lblVersion, "Version 1.35e                  2008.1"},
        {&about.Label3, "Email:sales@example.com"},
        {&about.Label4, "http://www.example.com"},
        {&about.cmdOK, "Ok(&O)"},
        {&about.cmdSysInfo, "System Info(&S)"}};
    for (const auto &[label, caption] : texts)
        EXPECT_EQ(label->caption(), caption) << label->name();
    about.Label3.click();
    about.Label4.click();
    EXPECT_EQ(tools.opened, (std::vector<std::string>{"mailto:sales@example.com", "http://www.example.com"}));
    about.cmdOK.click();
    EXPECT_EQ(windows.closeAnswers, std::vector<bool>{true});
}

struct SysInfoCase {
    const char *name;
    std::map<std::string, std::string> registry; // "key|name" to string value; empty: no registry
    std::set<std::string> installed;
    bool starts;
    const char *started; // "" when nothing may start
};

void PrintTo(const SysInfoCase &c, std::ostream *out)
{
    *out << c.name;
}

class SysInfoTest : public ::testing::TestWithParam<SysInfoCase> {};

// Either a program starts or the box says that there is none.
TEST_P(SysInfoTest, StartsTheToolOrSaysItIsUnavailable)
{
    const auto &param = GetParam();
    FakeTools tools;
    tools.installed = param.installed;
    tools.starts = param.starts;
    tools.files = {"C:\\Tools\\MSINFO32.EXE"};
    FakeRegistry registry;
    for (const auto &[key, value] : param.registry)
        registry.values[key] = text(value);
    FakeMessageBox messages;
    FakeWindowHost windows;
    FrmOrtavelAbout about(tools, param.registry.empty() ? nullptr : &registry, messages, windows);
    about.cmdSysInfo.click();

    const bool available = param.starts && *param.started != '\0';
    if (*param.started != '\0')
        EXPECT_EQ(tools.started, std::vector<std::string>{param.started});
    else
        EXPECT_TRUE(tools.started.empty());
    ASSERT_EQ(messages.shown.size(), available ? 0U : 1U);
    if (!available) {
        EXPECT_EQ(messages.shown[0].text, "此时系统信息不可用");
        EXPECT_EQ(messages.shown[0].title, "Kavrin");
    }
}

const char *const kPath = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO|PATH";
const char *const kLocation = "SOFTWARE\\Microsoft\\Shared Tools Location|MSINFO";

INSTANTIATE_TEST_SUITE_P(
    Platforms, SysInfoTest,
    ::testing::Values(
        SysInfoCase{"RegistryPath",
                    {{kPath, "C:\\Win\\msinfo32.exe"}, {kLocation, "C:\\Tools"}},
                    {"hardinfo"},
                    true,
                    "C:\\Win\\msinfo32.exe"},
        SysInfoCase{"RegistryLocation", {{kLocation, "C:\\Tools"}}, {}, true, "C:\\Tools\\MSINFO32.EXE"},
        SysInfoCase{"RegistryLocationWithoutTheFile", {{kLocation, "D:\\Gone"}}, {"hardinfo"}, true, ""},
        SysInfoCase{"FirstProgramInstalled", {}, {"gnome-system-monitor", "kinfocenter"}, true, "/usr/bin/kinfocenter"},
        SysInfoCase{"NothingInstalled", {}, {}, true, ""},
        SysInfoCase{"StartFails", {}, {"hardinfo"}, false, "/usr/bin/hardinfo"}),
    [](const ::testing::TestParamInfo<SysInfoCase> &caseInfo) { return std::string(caseInfo.param.name); });

struct ValueCase {
    std::uint32_t type;
    std::vector<unsigned char> data;
    std::string expected;
};

TEST(AboutTest, RegistryDataBecomesText)
{
    const ValueCase cases[] = {
        {Registry::kString, {'C', ':', '\\', 'x', 0}, "C:\\x"},
        {Registry::kString, {'a', 0, 'b'}, std::string("a\0b", 3)},
        {Registry::kDoubleWord, {0x01, 0x02, 0xAB, 0x10}, "&h10AB21"},
        // The zero byte at the end goes before the bytes are written.
        {Registry::kDoubleWord, {0x05, 0x00, 0x00, 0x00}, "&h005"},
        {3, {0x41, 0x42}, "before"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(registryValueText({c.type, c.data}, "before"), c.expected) << c.type;

    FakeTools tools;
    FakeRegistry registry;
    FakeMessageBox messages;
    FakeWindowHost windows;
    FrmOrtavelAbout about(tools, &registry, messages, windows);
    std::string value = "stale";
    EXPECT_FALSE(about.GetKeyValue(Registry::kLocalMachine, "SOFTWARE\\None", "PATH", value));
    EXPECT_EQ(value, "");
}

} // namespace
} // namespace ortavel::test
