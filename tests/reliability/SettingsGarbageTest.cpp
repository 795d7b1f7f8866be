// Garbage in the per-user settings, read through the real QSettings in a
// temporary folder: the window's load ignores a remembered port that is not
// a whole number 1 to 6, the port map ignores entries that are not absolute
// paths, and a broken file is no more than an empty one.

#include "adapters/SerialPortQt.h"
#include "adapters/SettingsStoreQt.h"
#include "link/PortMap.h"
#include "link/SteadyClock.h"
#include "mainwin/FakeServices.h"
#include "mainwin/Ortavel.h"
#include "sim/DemoBus.h"
#include "sim/SimServer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ortavel::test {
namespace {

struct Garbage {
    const char *name;
    std::string fileText; // the whole settings file
};

void PrintTo(const Garbage &garbage, std::ostream *os)
{
    *os << garbage.name;
}

std::string commPortFile(const std::string &value)
{
    return "[Transmitter]\nCommPort=" + value + "\n";
}

std::vector<Garbage> commPortGarbage()
{
    return {
        {"empty", commPortFile("")},
        {"letters", commPortFile("com3")},
        {"huge number", commPortFile("99999999999999999999999999999999")},
        {"huge number ending in 3", commPortFile("18446744073709551619")},
        {"negative", commPortFile("-3")},
        {"zero", commPortFile("0")},
        {"seven", commPortFile("7")},
        {"hexadecimal", commPortFile("0x3")},
        {"full-width digit", commPortFile("\xEF\xBC\x93")},
        {"binary bytes", commPortFile(std::string("\x01\x02\xFF\xFE\x7F", 5))},
        {"very long", commPortFile(std::string(200000, '3'))},
        {"very long letters", commPortFile(std::string(200000, 'x'))},
        {"list", commPortFile("3, 4")},
        {"byte array", commPortFile("@ByteArray(\\xff\\0\\x1)")},
        {"broken variant", commPortFile("@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x10QString)")},
        {"variant of a huge string", commPortFile("@Variant(\\0\\0\\0\\n\\x7f\\xff\\xff\\xff)")},
        {"garbled section", "[Trans\x01mitter]\nCommPort=3\n"},
        {"key without value", "[Transmitter]\nCommPort\n"},
        {"only binary", std::string("\x00\xFF\x00[\x01]=\n\r\x7F", 10)},
        {"megabyte of noise", std::string(1 << 20, '\x9D')},
    };
}

class SettingsGarbage : public ::testing::TestWithParam<Garbage> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        ASSERT_TRUE(QDir(m_folder.path()).mkpath("Kavrin"));
    }

    QString settingsFile() const { return m_folder.path() + "/Kavrin/Kavrin.conf"; }

    void writeSettings(const std::string &text) const
    {
        QFile file(settingsFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(text.data(), static_cast<qint64>(text.size())), static_cast<qint64>(text.size()));
    }

    std::string readSettings() const
    {
        QFile file(settingsFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    }

    QTemporaryDir m_folder;
};

// The window loads over each garbage value as over nothing remembered: no
// port chosen, none opened, no message, and the value left as it was.
TEST_P(SettingsGarbage, WindowLoadIgnoresTheRememberedPort)
{
    const Garbage &g = GetParam();
    writeSettings(g.fileText);
    sim::SimServer server;
    SettingsStoreQt store(m_folder.path());
    PortMap portMap(&store);
    // Every number leads to a line that would open, so only the number
    // decides.
    const std::string line = server.start(sim::demoBus());
    for (int n = PortMap::kFirstPort; n <= PortMap::kLastPort; ++n)
        portMap.setOverride(n, line);
    SerialPortQt port(portMap);
    SteadyClock clock;
    FakeMessageBox messages;
    FakeEventPump events;
    FakeWindowHost windows;
    Ortavel window(port, clock, store, messages, events, windows);
    window.Form_Load();

    EXPECT_EQ(window.cmbCommPort.selectedIndex(), -1);
    EXPECT_FALSE(port.isOpen());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(window.StatusBar1.panel(1), "Press Search to find the online transmitters!");
    EXPECT_EQ(readSettings(), g.fileText) << "the load writes nothing back";

    // The operator's choice still works and is remembered over the garbage.
    window.cmbCommPort.setSelectedIndex(1);
    EXPECT_TRUE(port.isOpen()) << port.errorString();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(SettingsStoreQt(m_folder.path()).value("Kavrin", "Transmitter", "CommPort", ""), "2");
    EXPECT_TRUE(window.queryUnload());
}

INSTANTIATE_TEST_SUITE_P(CommPort, SettingsGarbage, ::testing::ValuesIn(commPortGarbage()),
                         [](const ::testing::TestParamInfo<Garbage> &param) {
                             std::string name = param.param.name;
                             for (char &c : name)
                                 c = (c == ' ' || c == '-') ? '_' : c;
                             return name;
                         });

struct MapCase {
    const char *name;
    std::string value;
    bool taken; // an absolute path is used as it stands
};

// Port map entries: only an absolute path replaces the default device.
TEST(PortMapGarbage, OnlyAbsolutePathsAreTaken)
{
    const std::vector<MapCase> cases = {
        {"empty", "", false},
        {"letters", "ttyUSB0", false},
        {"relative", "dev/ttyUSB0", false},
        {"number", "12345678901234567890", false},
        {"binary", std::string("\x01\xFF\x02", 3), false},
        {"long relative", std::string(100000, 'a'), false},
        {"long absolute", "/" + std::string(100000, 'a'), true},
        {"absolute with odd bytes", "/tmp/\xE4\xB8\xAD port", true},
    };
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    SettingsStoreQt store(folder.path());
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const MapCase &c = cases[i];
        const int number = static_cast<int>(i % 6) + 1;
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(store.setValue("Kavrin", "PortMap", std::to_string(number), c.value));
        const std::string path = PortMap(&store).devicePath(number);
        EXPECT_EQ(path, c.taken ? c.value : "/dev/ttyS" + std::to_string(number - 1));

        // Opening the port that stands for it fails with a description or
        // opens a real device; it never ends the program.
        PortMap portMap(&store);
        SerialPortQt port(portMap);
        ASSERT_TRUE(port.setPortNumber(number));
        if (c.taken) {
            EXPECT_FALSE(port.open());
            EXPECT_FALSE(port.errorString().empty());
        }
    }
}

// A settings file that cannot be read at all: a folder in its place.
TEST(BrokenSettingsFile, FolderInPlaceOfTheFile)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(QDir(folder.path()).mkpath("Kavrin/Kavrin.conf"));
    SettingsStoreQt store(folder.path());
    EXPECT_EQ(store.value("Kavrin", "Transmitter", "CommPort", "none"), "none");
    EXPECT_EQ(PortMap(&store).devicePath(2), "/dev/ttyS1");

    sim::SimServer server;
    PortMap portMap(&store);
    portMap.setOverride(4, server.start(sim::demoBus()));
    SerialPortQt port(portMap);
    SteadyClock clock;
    FakeMessageBox messages;
    FakeEventPump events;
    FakeWindowHost windows;
    Ortavel window(port, clock, store, messages, events, windows);
    window.Form_Load();
    EXPECT_EQ(window.cmbCommPort.selectedIndex(), -1);
    EXPECT_TRUE(messages.shown.empty());
    // The choice opens the port even though it cannot be remembered.
    window.cmbCommPort.setSelectedIndex(3);
    EXPECT_TRUE(port.isOpen()) << port.errorString();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(window.queryUnload());
}

} // namespace
} // namespace ortavel::test
