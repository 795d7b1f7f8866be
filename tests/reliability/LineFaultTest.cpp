// The real QSerialPort and QSettings in one process: the line's far end goes away, settings hold garbage.

#include "Programs.h"
#include "adapters/SerialPortQt.h"
#include "adapters/SettingsStoreQt.h"
#include "link/Exchange.h"
#include "link/PortMap.h"
#include "link/ReplyCheck.h"
#include "link/SteadyClock.h"
#include "mainwin/FakeServices.h"
#include "mainwin/Ortavel.h"
#include "support/MemoryHistory.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <chrono>
#include <thread>

namespace ortavel::test {
namespace {

using namespace std::chrono_literals;

// The main window on a real port, with the user's answers faked.
struct Window {
    Window(SerialPort &port, const Clock &clock, SettingsStore &settings)
        : window(port, clock, settings, messages, events, windows, history.recorder)
    {
        window.Form_Load();
    }

    FakeMessageBox messages;
    FakeEventPump events;
    FakeWindowHost windows;
    MemoryHistory history;
    Ortavel window;
};

sim::TransmitterConfig transmitter(int address, int baud)
{
    sim::TransmitterConfig t;
    t.address = address;
    t.baud = baud;
    t.working.type = "T" + std::to_string(baud);
    return t;
}

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

// The far end goes away during an exchange, between exchanges and while the event loop idles.
class LineVanish : public ::testing::Test {
protected:
    void SetUp() override
    {
        // 01 answers at 9600, 02 at 1200 where the wait is longest.
        sim::BusConfig bus;
        bus.transmitters = {transmitter(1, 9600), transmitter(2, 1200)};
        sim::SimServer::Options options;
        options.linkPath = (m_folder.path() + "/com1").toStdString();
        m_portMap.setOverride(1, m_server.start(bus, options));
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

    // The device back, the port reopens; the old line's failure must not close the new one.
    void expectPortComesBack()
    {
        ASSERT_TRUE(m_server.comeBack());
        if (m_port.isOpen()) {
            EXPECT_TRUE(m_port.close());
        }
        ASSERT_TRUE(m_port.open()) << m_port.errorString();
        runEventLoop(200ms);
        EXPECT_TRUE(m_port.isOpen());
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
    // 02 keeps silent at 1200 baud; the line goes away during its wait.
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
    ASSERT_TRUE(m_port.setSettings("1200,N,8,1"));
    ASSERT_EQ(m_exchange.Comm_Send("02", "AD"), "*0202\r");
    m_server.vanish();
    const Timed t = timedSend("02", "AD");
    EXPECT_EQ(t.result, kNoReply);
    EXPECT_LT(t.cpuMs, t.wallMs / 2 + 5) << "wall " << t.wallMs << " ms";
    expectPromptNoReply();
    expectPortComesBack();
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

// Without an event loop (the command line) the port's reports of each wait must not pile up.
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

// Garbage as the remembered port, through the real QSettings: the window loads as over nothing,
// writes nothing back, and the operator's choice still works and is kept.
// Quick search lists what Search lists on a bus answering within the bound: 01 at 9600, 02 at 1200, 03 at 2400.
TEST(QuickSearch, FindsWhatSearchFinds)
{
    using enum sim::Fault;
    const struct {
        int turnaroundMs;
        sim::Fault at9600, at1200;
    } rows[] = {{2, None, None}, {15, None, None}, {30, None, None}, {15, NoiseBefore, Pieces}, {15, Collision, Late}};
    for (const auto &row : rows) {
        sim::BusConfig bus{{transmitter(1, 9600), transmitter(2, 1200), transmitter(3, 2400)}};
        bus.transmitters[0].fault = {row.at9600, 0.0};
        bus.transmitters[1].fault = {row.at1200, 0.0};
        sim::SimServer server;
        sim::SimServer::Options options;
        options.timing.turnaround = std::chrono::milliseconds(row.turnaroundMs);
        QTemporaryDir folder;
        SettingsStoreQt store(folder.path());
        PortMap portMap(&store);
        portMap.setOverride(1, server.start(bus, options));
        SerialPortQt port(portMap);
        SteadyClock clock;
        Window w(port, clock, store);
        w.window.cmbCommPort.setSelectedIndex(0);
        w.window.setSearchLastAddress(4);
        const auto listed = [&w] {
            std::string list = w.window.StatusBar1.panel(2);
            for (std::size_t i = 0; i < w.window.OnlineList.size(); ++i)
                list += " " + w.window.CMB_ADDR.entries().at(i).text + "@" + std::to_string(w.window.OnlineList[i]);
            return list;
        };
        w.window.cmdSEARCH.click();
        const std::string plain = listed();
        w.window.mnuQuickSearch.click();
        EXPECT_EQ(listed(), plain) << "row " << &row - rows;
        EXPECT_NE(plain, "Online: 0");
    }
}

TEST(SettingsGarbage, WindowLoadIgnoresTheRememberedPort)
{
    const std::string head = "[Transmitter]\nCommPort=";
    const std::pair<const char *, std::string> cases[] = {
        {"huge number ending in 3", head + "18446744073709551619\n"},
        {"full-width digit", head + "\xEF\xBC\x93\n"},
        {"binary bytes", head + std::string("\x01\x02\xFF\xFE\x7F\n", 6)},
        {"list", head + "3, 4\n"},
        {"byte array", head + "@ByteArray(\\xff\\0\\x1)\n"},
        {"broken variant", head + "@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x10QString)\n"},
        {"garbled section", "[Trans\x01mitter]\nCommPort=3\n"},
        {"megabyte of noise", std::string(1 << 20, '\x9D')},
    };
    for (const auto &[name, text] : cases) {
        SCOPED_TRACE(name);
        QTemporaryDir folder;
        ASSERT_TRUE(QDir(folder.path()).mkpath("Kavrin"));
        QFile file(folder.path() + "/Kavrin/Kavrin.conf");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(text.data(), static_cast<qint64>(text.size())), static_cast<qint64>(text.size()));
        file.close();
        sim::SimServer server;
        SettingsStoreQt store(folder.path());
        PortMap portMap(&store);
        // Every number leads to a line that would open, so only the number decides.
        const std::string line = server.start(sim::demoBus());
        for (int n = PortMap::kFirstPort; n <= PortMap::kLastPort; ++n)
            portMap.setOverride(n, line);
        SerialPortQt port(portMap);
        SteadyClock clock;
        Window w(port, clock, store);

        EXPECT_EQ(w.window.cmbCommPort.selectedIndex(), -1);
        EXPECT_FALSE(port.isOpen());
        EXPECT_TRUE(w.messages.shown.empty());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll().toStdString(), text) << "the load writes nothing back";
        w.window.cmbCommPort.setSelectedIndex(1);
        EXPECT_TRUE(port.isOpen()) << port.errorString();
        EXPECT_TRUE(w.messages.shown.empty());
        EXPECT_EQ(SettingsStoreQt(folder.path()).value("Kavrin", "Transmitter", "CommPort", ""), "2");
        EXPECT_TRUE(w.window.queryUnload());
    }
}

// A folder in place of the settings file is no more than an empty file.
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
    Window w(port, clock, store);
    EXPECT_EQ(w.window.cmbCommPort.selectedIndex(), -1);
    EXPECT_TRUE(w.messages.shown.empty());
    // The choice opens the port even though it cannot be remembered.
    w.window.cmbCommPort.setSelectedIndex(3);
    EXPECT_TRUE(port.isOpen()) << port.errorString();
    EXPECT_TRUE(w.messages.shown.empty());
    EXPECT_TRUE(w.window.queryUnload());
}

} // namespace
} // namespace ortavel::test
