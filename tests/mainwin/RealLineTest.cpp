// The programs' port on the simulator's pseudo-terminal, directly and through a real device server (ser2net),
// QSettings in a temporary folder.

#include "FakeServices.h"
#include "adapters/LinkPort.h"
#include "adapters/SettingsStoreQt.h"
#include "link/PortMap.h"
#include "link/SteadyClock.h"
#include "mainwin/Ortavel.h"
#include "sim/SimServer.h"
#include "support/MemoryHistory.h"
#if ORTAVEL_NETWORK
#include "support/DeviceServer.h"
#endif

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>

namespace ortavel::test {
namespace {

sim::TransmitterConfig transmitter(int address, int baud, const char *version, int unit, int trimZero)
{
    sim::TransmitterConfig t;
    t.address = address;
    t.baud = baud;
    t.version = version;
    t.working.type = "T" + std::to_string(baud);
    t.working.unit = unit;
    t.working.trimZero = trimZero;
    return t;
}

class RealLineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        sim::BusConfig bus;
        bus.transmitters = {transmitter(1, 9600, "2.10", 3, 250), transmitter(2, 4800, "2.00", 1, 0),
                            transmitter(3, 1200, "1.50", 0, 0)};
        m_portMap.setOverride(3, m_server.start(bus));
        m_portMap.setOverride(4, m_folder.filePath("no-such-port").toStdString());
    }

    sim::SimServer m_server; // outlives the port
    QTemporaryDir m_folder;
    PortMap m_portMap;
    LinkPort m_port{m_portMap};
    SteadyClock m_clock;
    SettingsStoreQt m_settings{m_folder.path()};
    FakeMessageBox m_messages;
    FakeEventPump m_events;
    FakeWindowHost m_windows;
    MemoryHistory m_history;
    Ortavel m_window{m_port, m_clock, m_settings, m_messages, m_events, m_windows, m_history.recorder};
};

TEST_F(RealLineTest, LoadSearchAndReadOnThePseudoTerminal)
{
    m_settings.setValue("Kavrin", "Transmitter", "CommPort", "3");
    m_window.Form_Load();
    ASSERT_TRUE(m_port.isOpen()) << m_port.errorString();

    m_window.setSearchLastAddress(3);
    const auto start = std::chrono::steady_clock::now();
    m_window.cmdSEARCH.click();
    const auto elapsed = std::chrono::steady_clock::now() - start;

    EXPECT_EQ(m_window.OnlineList, (std::vector<std::int16_t>{3, 2, 0}));
    // Six silent questions cost their timeouts: 100 + 150 + 2 x 250 + 2 x 450 ms at least.
    EXPECT_GE(elapsed, std::chrono::milliseconds(1650));
    EXPECT_LT(elapsed, std::chrono::seconds(30));

    EXPECT_EQ(m_port.settings(), "9600,N,8,1");
    EXPECT_EQ(m_window.VScroll1.value(), 250);
    EXPECT_EQ(m_window.TXT_DAZF.text(), "+0250");

    m_window.CMB_ADDR.setSelectedIndex(1);
    const auto trace = m_server.trace();
    ASSERT_FALSE(trace.empty());
    EXPECT_EQ(trace.back().command, "RT0");
    EXPECT_EQ(trace.back().lineBaud, 4800);

    EXPECT_TRUE(m_window.queryUnload());
    EXPECT_FALSE(m_port.isOpen());
    EXPECT_EQ(SettingsStoreQt(m_folder.path()).value("Kavrin", "Transmitter", "CommPort", ""), "3");
}

// 07 at 4800 becomes 15 at 2400, and a new search finds it there.
TEST_F(RealLineTest, ModifyMovesATransmitterToANewAddressAndRate)
{
    sim::BusConfig bus;
    bus.transmitters = {transmitter(7, 4800, "2.00", 1, 0)};
    sim::SimServer server;
    m_portMap.setOverride(5, server.start(bus));
    m_settings.setValue("Kavrin", "Transmitter", "CommPort", "5");
    m_window.Form_Load();
    // Each search stops in the pass after the one that finds it, saving slow timeouts.
    const auto stop = [this] { m_window.cmdSEARCH.click(); };
    m_events.actions = {{2 * 7 + 1, stop}, {2 * 7 + 1 + 3 * 15 + 1, stop}};
    m_window.setSearchLastAddress(7);
    m_window.cmdSEARCH.click();
    ASSERT_EQ(m_window.CMB_ADDR.text(), "07");

    m_window.TXT_ADDR.setText("15");
    m_window.CMB_BAND.setSelectedIndex(1);
    m_window.COM_ADDR.click();
    EXPECT_EQ(m_window.CMB_ADDR.text(), "15");
    EXPECT_EQ(m_port.settings(), "2400,N,8,1");

    m_window.setSearchLastAddress(15);
    m_window.cmdSEARCH.click();
    ASSERT_EQ(m_window.CMB_ADDR.count(), 1);
    EXPECT_EQ(m_window.CMB_ADDR.text(), "15");
    EXPECT_EQ(m_window.OnlineList, std::vector<std::int16_t>{1});
    m_port.close();
}

TEST_F(RealLineTest, RememberedPortThatCannotOpen)
{
    m_settings.setValue("Kavrin", "Transmitter", "CommPort", "4");
    m_window.Form_Load();
    EXPECT_FALSE(m_port.isOpen());
    EXPECT_EQ(m_messages.shown.size(), 1U);
    EXPECT_EQ(m_settings.value("Kavrin", "Transmitter", "CommPort", ""), "4");

    m_window.cmbCommPort.setSelectedIndex(2);
    EXPECT_TRUE(m_port.isOpen());
    EXPECT_EQ(SettingsStoreQt(m_folder.path()).value("Kavrin", "Transmitter", "CommPort", ""), "3");
}

#if ORTAVEL_NETWORK
// com5 through the server with line control to the bus of com3, com6 raw at the server's 9600 baud to another
// bus with one transmitter at each of 9600 and 4800.
TEST_F(RealLineTest, ThroughADeviceServer)
{
    sim::BusConfig other;
    other.transmitters = {transmitter(1, 9600, "2.10", 0, 0), transmitter(2, 4800, "2.10", 0, 0)};
    sim::SimServer rawBus;
    const std::string rawLine = rawBus.start(other);
    DeviceServer server;
    ASSERT_TRUE(server.start(m_portMap.devicePath(3), rawLine)) << server.error();
    m_portMap.setOverride(5, server.rfc2217Url());
    m_portMap.setOverride(6, server.rawUrl());
    m_settings.setValue("Kavrin", "Transmitter", "CommPort", "5");
    m_window.Form_Load();
    ASSERT_TRUE(m_port.isOpen()) << m_port.errorString();
    m_window.setSearchLastAddress(3);
    m_window.cmdSEARCH.click();
    EXPECT_EQ(m_window.OnlineList, (std::vector<std::int16_t>{3, 2, 0}));
    m_window.CMB_ADDR.setSelectedIndex(2);
    EXPECT_EQ(m_window.txtType.text(), "T1200");
    EXPECT_EQ(m_server.trace().back().lineBaud, 1200) << "the rate reached the line";

    m_window.cmbCommPort.setSelectedIndex(5);
    m_window.cmdSEARCH.click();
    EXPECT_EQ(m_window.OnlineList, (std::vector<std::int16_t>{3}));
    EXPECT_EQ(m_window.StatusBar1.panel(1),
              "Searching over. Only 9600 baud was searched: the device server sets the line's rate.");
    // A rate the server does not keep is never sent.
    rawBus.clearTrace();
    m_window.CMB_BAND.setSelectedIndex(2);
    m_window.COM_ADDR.click();
    EXPECT_NE(m_window.StatusBar1.panel(1).find("BD (the device server sets the line's rate)"), std::string::npos)
        << m_window.StatusBar1.panel(1);
    for (const auto &entry : rawBus.trace())
        EXPECT_NE(entry.command.substr(0, 2), "BR") << entry.frame;
    EXPECT_EQ(rawBus.transmitter(1)->config.baud, 9600);

    // The server gone: the port closes and says why; picked again, it works.
    server.stop();
    rawBus.clearTrace();
    m_window.CMB_ADDR_Click();
    EXPECT_FALSE(m_port.isOpen());
    EXPECT_NE(m_window.StatusBar1.panel(1).find("The port closed: Lost the connection to " + server.rawUrl()),
              std::string::npos)
        << m_window.StatusBar1.panel(1);
    EXPECT_TRUE(rawBus.trace().empty());
    ASSERT_TRUE(server.start(m_portMap.devicePath(3), rawLine)) << server.error();
    m_window.cmbCommPort_Click(); // the same entry picked again
    ASSERT_TRUE(m_port.isOpen()) << m_port.errorString();
    m_window.setSearchLastAddress(1);
    m_window.cmdSEARCH.click();
    EXPECT_EQ(m_window.CMB_ADDR.text(), "01");
}
#endif

} // namespace
} // namespace ortavel::test
