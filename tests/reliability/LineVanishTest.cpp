// The far end of the line goes away while the tool works, through the real
// QSerialPort on the simulator's pseudo-terminal: in the middle of an
// exchange, between exchanges, while the event loop idles and in the middle
// of the window's search.

#include "CpuTime.h"
#include "adapters/SerialPortQt.h"
#include "link/Exchange.h"
#include "link/LineSettings.h"
#include "link/PortMap.h"
#include "link/ReplyCheck.h"
#include "link/SteadyClock.h"
#include "mainwin/FakeServices.h"
#include "mainwin/Ortavel.h"
#include "sim/SimServer.h"
#include "support/MemorySettingsStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace ortavel::test {
namespace {

using namespace std::chrono_literals;

sim::TransmitterConfig transmitter(int address, int baud)
{
    sim::TransmitterConfig t;
    t.address = address;
    t.baud = baud;
    t.working.type = "T" + std::to_string(baud);
    return t;
}

// 01 answers at 9600, 02 at 1200 where the wait is longest.
sim::BusConfig twoRates()
{
    sim::BusConfig bus;
    bus.transmitters = {transmitter(1, 9600), transmitter(2, 1200)};
    return bus;
}

// Lets the event loop run for a while, as the window does between events.
void runEventLoop(std::chrono::milliseconds duration)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < duration.count()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        std::this_thread::sleep_for(1ms);
    }
}

struct Timed {
    std::string result;
    double wallMs = 0;
    double cpuMs = 0;
};

class LineVanish : public ::testing::Test {
protected:
    void SetUp() override
    {
        sim::SimServer::Options options;
        options.linkPath = (m_folder.path() + "/com1").toStdString();
        m_portMap.setOverride(1, m_server.start(twoRates(), options));
        ASSERT_TRUE(m_port.setPortNumber(1));
        ASSERT_TRUE(m_port.open()) << m_port.errorString();
    }

    Timed timedSend(const std::string &address, const std::string &command)
    {
        Timed t;
        const double cpu = threadCpuMs();
        QElapsedTimer timer;
        timer.start();
        t.result = m_exchange.Comm_Send(address, command);
        t.wallMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        t.cpuMs = threadCpuMs() - cpu;
        return t;
    }

    // Once the device is back, the port closes and opens as before.
    void expectPortComesBack()
    {
        ASSERT_TRUE(m_server.comeBack());
        if (m_port.isOpen()) {
            EXPECT_TRUE(m_port.close());
        }
        ASSERT_TRUE(m_port.open()) << m_port.errorString();
        ASSERT_TRUE(m_port.setSettings("9600,N,8,1"));
        EXPECT_EQ(m_exchange.Comm_Send("01", "TY"), "*01T9600\r");
        ASSERT_TRUE(m_port.close());
        ASSERT_TRUE(m_port.open()) << m_port.errorString();
        EXPECT_EQ(m_exchange.Comm_Send("01", "TY"), "*01T9600\r");
    }

    // Further exchanges give "ERR 0" at once, without waiting their timeout.
    void expectPromptNoReply()
    {
        for (int i = 0; i < 5; ++i) {
            const Timed t = timedSend("01", "TY");
            EXPECT_EQ(t.result, kNoReply) << i;
            EXPECT_LT(t.wallMs, 90.0) << i;
        }
    }

    QTemporaryDir m_folder;
    sim::SimServer m_server; // outlives the port
    PortMap m_portMap;
    SerialPortQt m_port{m_portMap};
    SteadyClock m_clock;
    Exchange m_exchange{m_port, m_clock};
};

TEST_F(LineVanish, InTheMiddleOfAnExchange)
{
    ASSERT_TRUE(m_port.setSettings("1200,N,8,1"));
    m_server.setFault(2, {sim::Fault::Silent, 0.0});
    std::thread pull([this] {
        std::this_thread::sleep_for(150ms);
        m_server.vanish();
    });
    const Timed t = timedSend("02", "TY");
    pull.join();
    EXPECT_EQ(t.result, kNoReply);
    EXPECT_LT(t.wallMs, 2000.0);
    // The wait blocks on the port: a spinning wait would burn its whole time.
    EXPECT_LT(t.cpuMs, t.wallMs / 2 + 5) << "wall " << t.wallMs << " ms";
    expectPromptNoReply();
    expectPortComesBack();
}

TEST_F(LineVanish, BetweenExchanges)
{
    for (const char *rate : {"9600,N,8,1", "1200,N,8,1"}) {
        SCOPED_TRACE(rate);
        ASSERT_TRUE(m_port.setSettings(rate));
        const std::string address = std::string(rate) == "9600,N,8,1" ? "01" : "02";
        const std::string echo = std::string("*").append(address).append(address).append("\r");
        ASSERT_EQ(m_exchange.Comm_Send(address, "AD"), echo);
        m_server.vanish();
        const Timed t = timedSend(address, "AD");
        EXPECT_EQ(t.result, kNoReply);
        EXPECT_LT(t.cpuMs, t.wallMs / 2 + 5) << "wall " << t.wallMs << " ms";
        expectPromptNoReply();
        expectPortComesBack();
    }
}

// The window's event loop keeps running while nobody talks to the line.
TEST_F(LineVanish, WhileTheEventLoopIdles)
{
    runEventLoop(50ms);
    m_server.vanish();
    const double cpu = threadCpuMs();
    runEventLoop(1500ms);
    EXPECT_LT(threadCpuMs() - cpu, 300.0) << "the loop must not spin on the dead line";
    EXPECT_FALSE(m_port.isOpen());
    expectPromptNoReply();
    expectPortComesBack();
}

// The failure noted in the middle of an exchange must not close the port
// that was opened again after it.
TEST_F(LineVanish, ReportOfTheOldLineLeavesTheReopenedPortAlone)
{
    ASSERT_TRUE(m_port.setSettings("1200,N,8,1"));
    m_server.setFault(2, {sim::Fault::Silent, 0.0});
    std::thread pull([this] {
        std::this_thread::sleep_for(100ms);
        m_server.vanish();
    });
    EXPECT_EQ(m_exchange.Comm_Send("02", "TY"), kNoReply);
    pull.join();
    ASSERT_TRUE(m_server.comeBack());
    if (m_port.isOpen())
        m_port.close();
    ASSERT_TRUE(m_port.open()) << m_port.errorString();
    runEventLoop(200ms);
    EXPECT_TRUE(m_port.isOpen());
    ASSERT_TRUE(m_port.setSettings("9600,N,8,1"));
    EXPECT_EQ(m_exchange.Comm_Send("01", "TY"), "*01T9600\r");
}

// Without an event loop (the command line), the port's routine reports of
// each wait must not pile up as pending events.
TEST_F(LineVanish, RoutineReportsDoNotPileUpWithoutAnEventLoop)
{
    struct Counter : QObject {
        bool eventFilter(QObject *, QEvent *event) override
        {
            count += event->type() == QEvent::MetaCall ? 1 : 0;
            return false;
        }
        int count = 0;
    } counter;
    QCoreApplication::sendPostedEvents();
    ASSERT_TRUE(m_port.setSettings("9600,N,8,1"));
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(m_exchange.Comm_Send("01", "AD"), "*0101\r");
        EXPECT_EQ(m_exchange.Comm_Send("09", "AD"), kNoReply);
    }
    QCoreApplication::instance()->installEventFilter(&counter);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::instance()->removeEventFilter(&counter);
    EXPECT_LE(counter.count, 2);
}

// The window's search with the real serial port; the line goes away after
// the first address at 4800 baud.
TEST_F(LineVanish, InTheMiddleOfTheWindowsSearch)
{
    m_port.close();
    MemorySettingsStore settings;
    FakeMessageBox messages;
    FakeEventPump events;
    FakeWindowHost windows;
    Ortavel window(m_port, m_clock, settings, messages, events, windows);
    window.Form_Load();
    window.cmbCommPort.setSelectedIndex(0);
    ASSERT_TRUE(m_port.isOpen()) << m_port.errorString();
    window.setSearchLastAddress(3);

    // Pauses 1 to 3 come before the questions at 9600, 4 before 01 at 4800.
    double cpuAfterVanish = 0;
    QElapsedTimer sinceVanish;
    events.actions[4] = [&] {
        m_server.vanish();
        cpuAfterVanish = threadCpuMs();
        sinceVanish.start();
    };
    window.cmdSEARCH.click();
    const double searchCpu = threadCpuMs() - cpuAfterVanish;
    const auto searchWall = static_cast<double>(sinceVanish.elapsed());

    // The lost line ends the search plainly instead of passing for an
    // empty bus.
    EXPECT_EQ(window.cmdSEARCH.caption(), "Search");
    ASSERT_EQ(window.CMB_ADDR.count(), 1);
    EXPECT_EQ(window.CMB_ADDR.entries()[0].text, "01");
    EXPECT_LT(events.calls, 12);
    EXPECT_LT(searchWall, 2000.0);
    EXPECT_LT(searchCpu, 1000.0);
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].text, "The communication port is not open！");
    messages.shown.clear();

    // The device is back: choosing the port again opens it, and a new
    // search finds both transmitters.
    ASSERT_TRUE(m_server.comeBack());
    window.cmbCommPort_Click();
    ASSERT_TRUE(m_port.isOpen()) << m_port.errorString();
    EXPECT_TRUE(messages.shown.empty());
    events.actions.clear();
    window.cmdSEARCH.click();
    ASSERT_EQ(window.CMB_ADDR.count(), 2);
    EXPECT_EQ(window.CMB_ADDR.entries()[1].text, "02");
    EXPECT_EQ(window.OnlineList, (std::vector<std::int16_t>{3, 0}));
    EXPECT_TRUE(window.queryUnload());
    EXPECT_FALSE(m_port.isOpen());
}

} // namespace
} // namespace ortavel::test
