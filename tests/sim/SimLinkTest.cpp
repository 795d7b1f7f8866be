// The simulator as the tool meets it: QSerialPort on the pseudo-terminal, requests through Comm_Send.

#include "SimBusBuilder.h"
#include "adapters/SerialPortQt.h"
#include "cli/BusSearch.h"
#include "cli/ExchangeBus.h"
#include "link/Commands.h"
#include "link/EchoFilter.h"
#include "link/Exchange.h"
#include "link/LineSettings.h"
#include "link/PortMap.h"
#include "link/ReplyCheck.h"
#include "link/SteadyClock.h"
#include "sim/SimServer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <string>
#include <thread>

namespace ortavel::sim {
namespace {

using namespace std::chrono_literals;
using Ms = std::chrono::milliseconds;

using test::at;

BusConfig fourRates()
{
    BusConfig bus;
    bus.transmitters = {at(21, 1200, "T1200"), at(22, 2400, "T2400"), at(23, 4800, "T4800"), at(24, 9600, "T9600")};
    return bus;
}

class SimLink : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_path = m_server.start(fourRates());
        ASSERT_TRUE(m_port.openDevice(m_path)) << m_port.errorString();
    }

    bool setRate(int baud) { return m_port.setSettings(lineSettingsText(std::to_string(baud))); }
    std::string send(const std::string &address, const std::string &command)
    {
        return m_exchange.Comm_Send(address, command);
    }
    TraceEntry lastEntry() const
    {
        const auto trace = m_server.trace();
        return trace.empty() ? TraceEntry{} : trace.back();
    }

    SimServer m_server; // outlives the port
    PortMap m_portMap;
    SerialPortQt m_port{m_portMap};
    SteadyClock m_clock;
    Exchange m_exchange{m_port, m_clock};
    std::string m_path;
};

TEST_F(SimLink, AnswersAtEachRateWhileTheOthersStaySilent)
{
    const struct {
        int baud;
        const char *address;
        const char *type;
        const char *otherAddress;
    } rows[] = {{1200, "21", "T1200", "22"},
                {2400, "22", "T2400", "23"},
                {4800, "23", "T4800", "24"},
                {9600, "24", "T9600", "21"}};
    for (const auto &row : rows) {
        ASSERT_TRUE(setRate(row.baud));
        EXPECT_EQ(send(row.address, "TY"), std::string("*") + row.address + row.type + "\r");
        // From the request on: the silent exchange before it has the line drained first.
        const auto elapsed = Ms(m_clock.nowMs() - m_exchange.lastStartMs());
        // 8 request and 11 reply bytes of 10 bits, 5 ms between them.
        const auto wire = Ms(19 * 10 * 1000 / row.baud + 5);
        EXPECT_GE(elapsed, wire - wire / 5) << row.baud << " baud: the bytes take their time";
        EXPECT_LT(elapsed, Ms(replyTimeoutMs(lineSettingsText(std::to_string(row.baud)))));
        EXPECT_EQ(lastEntry().lineBaud, row.baud);
        EXPECT_EQ(send(row.otherAddress, "TY"), kNoReply) << row.baud << " baud";
    }
}

TEST_F(SimLink, EachFaultGivesItsResultAndLeavesTheNextExchangeAlone)
{
    const std::string good = "*24T9600\r";
    const std::string bad(kBadReply);
    const std::pair<Fault, std::string> rows[] = {{Fault::None, good},       {Fault::Silent, std::string(kNoReply)},
                                                  {Fault::BadChecksum, bad}, {Fault::LowerCaseChecksum, bad},
                                                  {Fault::NoiseBefore, bad}, {Fault::BytesAfter, bad},
                                                  {Fault::Pieces, good},     {Fault::Late, std::string(kNoReply)},
                                                  {Fault::Collision, bad},   {Fault::Bare, "*24\r"}};
    ASSERT_TRUE(setRate(9600));
    for (const auto &[fault, result] : rows) {
        SCOPED_TRACE(faultName(fault));
        ASSERT_EQ(m_server.setFault(24, {fault, 0.0}), 1);
        EXPECT_EQ(send("24", "TY"), result);
        EXPECT_EQ(lastEntry().fault, fault);
        // Nothing left of this exchange disturbs the next.
        m_server.setFault(24, {});
        EXPECT_EQ(send("24", "TY"), good);
    }
}

// The next request waits for a late reply to end, discards it and tells it; one left to arrive meanwhile too.
TEST_F(SimLink, LateReplyIsDrainedAndTold)
{
    ASSERT_TRUE(setRate(9600));
    for (const bool waitForIt : {false, true}) {
        m_server.clearTrace();
        m_server.setFault(24, {Fault::Late, 0.0});
        EXPECT_EQ(send("24", "TY"), kNoReply);
        m_server.setFault(24, {});
        if (waitForIt)
            std::this_thread::sleep_for(300ms); // the late reply arrives meanwhile
        EXPECT_EQ(send("24", "ID"), "*240000\r") << waitForIt;
        const auto trace = m_server.trace();
        ASSERT_EQ(trace.size(), 2U);
        ASSERT_TRUE(trace[0].replyEnd.has_value()) << "the late reply was written whole";
        EXPECT_GT(trace[1].received, *trace[0].replyEnd);
        ASSERT_TRUE(m_exchange.lateReply().has_value()) << waitForIt;
        EXPECT_EQ(m_exchange.lateReply()->bytes, trace[0].reply);
    }
}

TEST_F(SimLink, NewAddressAndRateTakeEffectAfterTheReply)
{
    ASSERT_TRUE(setRate(9600));
    EXPECT_EQ(send("24", "AD31"), "*2431\r");
    EXPECT_TRUE(isAddressEcho(send("31", "AD"), "31"));
    EXPECT_EQ(send("24", "AD"), kNoReply);

    const std::string confirmed = send("31", "BD1");
    EXPECT_TRUE(isBaudConfirmed(confirmed, "31", "1")) << confirmed;
    EXPECT_EQ(send("31", "TY"), kNoReply) << "no longer at 9600";
    ASSERT_TRUE(setRate(2400));
    EXPECT_EQ(send("31", "TY"), "*31T9600\r");
}

TEST_F(SimLink, WhatTheToolReadsIsTheTransmittersState)
{
    ASSERT_TRUE(setRate(9600));
    EXPECT_EQ(replyData(send("24", "DL+012.5")), "+12.50");
    EXPECT_EQ(replyData(send("24", "UT9")), "0");
    const auto state = m_server.transmitter(24);
    ASSERT_TRUE(state);
    EXPECT_EQ(state->config.working.displayLow, 12.5);
    EXPECT_TRUE(isStored(send("24", "WU"), "24"));
    EXPECT_EQ(m_server.transmitter(24)->user.displayLow, 12.5);
    EXPECT_EQ(send("AA", "DL+001.0"), kNoReply) << "a broadcast gets no answer";
}

TEST_F(SimLink, TraceRecordsEachRequestWithTheTimeOfItsReply)
{
    ASSERT_TRUE(setRate(9600));
    const auto before = std::chrono::steady_clock::now();
    send("24", "RT0");
    send("25", "RT0");
    const auto after = std::chrono::steady_clock::now();
    const auto trace = m_server.trace();
    ASSERT_EQ(trace.size(), 2U);
    EXPECT_EQ(trace[0].frame, Exchange::requestFrame("24", "RT0"));
    EXPECT_EQ(trace[0].reply, "*2425.002F\r");
    ASSERT_TRUE(trace[0].replyEnd);
    EXPECT_GT(*trace[0].replyEnd, trace[0].received);
    EXPECT_GT(trace[0].received, before);
    EXPECT_LT(*trace[0].replyEnd, after);
    EXPECT_TRUE(trace[1].reply.empty());
    EXPECT_FALSE(trace[1].replyEnd);
}

TEST_F(SimLink, VanishingLineMakesThePortFailAndComesBackAtTheSamePath)
{
    ASSERT_TRUE(setRate(9600));
    ASSERT_EQ(send("24", "TY"), "*24T9600\r");
    m_server.vanish();
    EXPECT_FALSE(std::filesystem::exists(m_path));
    EXPECT_EQ(send("24", "TY"), kNoReply);
    EXPECT_EQ(m_port.waitForInput(50), WaitResult::Failed);
    m_port.close();
    EXPECT_FALSE(m_port.openDevice(m_path));

    ASSERT_TRUE(m_server.comeBack());
    EXPECT_EQ(m_server.linkPath(), m_path);
    EXPECT_TRUE(m_port.openDevice(m_path)) << m_port.errorString();
}

// Through the echo filter on a line that hands every request back, and on one that does not.
TEST_F(SimLink, SearchReadAndWriteThroughTheEchoFilter)
{
    const struct {
        const char *why;
        bool lineEchoes;
        EchoMode mode;
        std::size_t found; // of 24 at 9600 and 23 at 4800, by both searches
        bool answered;     // the reads and the write
        int faults;
    } rows[] = {
        {"echoing line, auto", true, EchoMode::Auto, 2, true, 0},
        {"plain line, on: told once", false, EchoMode::On, 2, true, 1},
        // Proves the line echoes: unfiltered, each echo is taken for the reply.
        {"echoing line, off", true, EchoMode::Off, 0, false, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.why);
        m_port.close();
        SimServer::Options options;
        options.echo = row.lineEchoes;
        ASSERT_TRUE(m_port.openDevice(m_server.start(fourRates(), options))) << m_port.errorString();
        EchoFilter filter{m_port, m_clock, row.mode};
        int faults = 0;
        filter.onLineFault = [&](const std::string &) { ++faults; };
        cli::ExchangeBus line{filter, m_clock};
        for (const auto &quick : {std::optional<QuickSearchWait>{}, std::optional(QuickSearchWait{})})
            EXPECT_EQ(cli::BusSearch::run(line, {23, 24, 25}, {9600, 4800}, {}, quick).found.size(), row.found);

        ASSERT_TRUE(line.setBaud(9600));
        EXPECT_EQ(line.send("24", "IDECHO7") == "*24ECHO7\r", row.answered);
        EXPECT_EQ(line.send("24", "ID") == "*24ECHO7\r", row.answered);
        ASSERT_TRUE(line.setBaud(4800));
        EXPECT_EQ(isReplyFrom(line.send("23", "RP0"), "23"), row.answered);
        EXPECT_EQ(m_server.transmitter(24).value_or(TransmitterState{}).config.working.ident, "ECHO7");
        EXPECT_EQ(faults, row.faults);
    }
}

double processCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1000.0 + static_cast<double>(ts.tv_nsec) / 1e6;
}

TEST_F(SimLink, SitsIdleWithoutSpinning)
{
    // With the port open, and with the tool's port closed again.
    for (const bool portOpen : {true, false}) {
        if (!portOpen)
            m_port.close();
        const double before = processCpuMs();
        std::this_thread::sleep_for(300ms);
        EXPECT_LT(processCpuMs() - before, 60.0) << (portOpen ? "port open" : "port closed");
    }
}

} // namespace
} // namespace ortavel::sim
