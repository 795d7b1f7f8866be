// The far end goes away under a running ortavel-cli: the ortavel-sim
// program is killed in the middle of a search, of an exchange and of a
// poll. The command goes on without hanging or spinning, every further
// exchange gives "ERR 0" at once, and once a simulator is back at the same
// path the port opens again.

#include "CliChild.h"
#include "CpuTime.h"
#include "SimProgram.h"
#include "traffic/TrafficLine.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>
#include <thread>
#include <vector>

namespace ortavel::test {
namespace {

using namespace std::chrono_literals;

// The exchanges of the command's --trace, one line each.
std::vector<ExchangeRecord> traceLines(const std::string &err)
{
    std::vector<ExchangeRecord> lines;
    std::istringstream in(err);
    std::string line;
    while (std::getline(in, line)) {
        if (auto record = parseTrafficLine(line))
            lines.push_back(*record);
    }
    return lines;
}

class CliVanish : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        m_link = m_folder.path() + "/com1";
        startSimulator();
    }

    void startSimulator()
    {
        ASSERT_TRUE(m_sim.start({"--link", m_link, "--trace", "--turnaround", "1"}));
        ASSERT_EQ(m_sim.linkPath(), m_link.toStdString());
    }

    // A new simulator at the same path: a new command opens the port again.
    void expectLineBack()
    {
        startSimulator();
        const auto run = runCli({"--device", m_link, "send", "01", "TY"});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, "*01QX820\n");
    }

    // CPU used by the running command over a while; negative if it ended.
    static double cpuOver(const CliChild &child, std::chrono::milliseconds span)
    {
        const double before = processCpuMs(static_cast<pid_t>(child.pid()));
        std::this_thread::sleep_for(span);
        const double after = processCpuMs(static_cast<pid_t>(child.pid()));
        return before < 0 || after < 0 ? -1 : after - before;
    }

    QTemporaryDir m_folder;
    QString m_link;
    SimProgram m_sim;
};

TEST_F(CliVanish, InTheMiddleOfASearch)
{
    CliChild search;
    ASSERT_TRUE(search.start({"--device", m_link, "search", "--addresses", "1-30"}));
    // 01 has answered at 9600, and the silent addresses after it take
    // their timeouts.
    ASSERT_TRUE(m_sim.waitForLog("$06AD"));
    m_sim.kill();
    QElapsedTimer sinceKill;
    sinceKill.start();
    const double cpu = cpuOver(search, 1000ms);
    ASSERT_TRUE(search.finish(20000)) << "the search hangs";
    EXPECT_LT(sinceKill.elapsed(), 10000) << "what is left of the search waits for nothing";
    if (cpu >= 0) {
        EXPECT_LT(cpu, 900.0);
    }
    EXPECT_EQ(search.exitCode(), 0) << search.err();
    EXPECT_NE(search.out().find("01"), std::string::npos) << search.out();
    EXPECT_EQ(search.out().find("07"), std::string::npos) << search.out();
    EXPECT_NE(search.err().find("search over: 1 found in 120 exchanges"), std::string::npos) << search.err();
    expectLineBack();
}

TEST_F(CliVanish, InTheMiddleOfAnExchange)
{
    // Nobody answers address 50 at 1200 baud: each exchange waits 450 ms.
    CliChild send;
    ASSERT_TRUE(send.start({"--device", m_link, "--baud", "1200", "--trace", "send", "--repeat", "6", "50", "AD"}));
    ASSERT_TRUE(m_sim.waitForLog("$50AD", 2));
    std::this_thread::sleep_for(100ms); // into the second exchange
    m_sim.kill();
    ASSERT_TRUE(send.finish(20000)) << "the send hangs";
    EXPECT_EQ(send.exitCode(), 1);
    EXPECT_EQ(send.out(), "ERR 0\nERR 0\nERR 0\nERR 0\nERR 0\nERR 0\n");

    const auto trace = traceLines(send.err());
    ASSERT_EQ(trace.size(), 6U) << send.err();
    for (std::size_t i = 0; i < trace.size(); ++i) {
        EXPECT_EQ(trace[i].result, ExchangeResult::NoReply);
        EXPECT_LT(trace[i].durationMs, 2000) << "exchange " << i;
        if (i >= 2) {
            EXPECT_LT(trace[i].durationMs, 100) << "exchange " << i << " after the line went away";
        }
    }
    expectLineBack();
}

TEST_F(CliVanish, BetweenThePollsOfAPoll)
{
    CliChild poll;
    ASSERT_TRUE(poll.start({"--device", m_link, "--trace", "poll", "01", "--count", "10", "--interval", "250"}));
    ASSERT_TRUE(m_sim.waitForLog("$01RT0"));
    m_sim.kill();
    // Waiting for the next poll costs nothing.
    const double cpu = cpuOver(poll, 1200ms);
    ASSERT_TRUE(poll.finish(20000)) << "the poll hangs";
    ASSERT_GE(cpu, 0.0) << "the poll ended before its count";
    EXPECT_LT(cpu, 300.0);
    EXPECT_EQ(poll.exitCode(), 1);
    EXPECT_NE(poll.err().find("10 polls"), std::string::npos) << poll.err();

    const auto trace = traceLines(poll.err());
    ASSERT_EQ(trace.size(), 10U) << poll.err();
    int failed = 0;
    for (std::size_t i = 0; i < trace.size(); ++i) {
        if (trace[i].result != ExchangeResult::NoReply)
            continue;
        ++failed;
        EXPECT_LT(trace[i].durationMs, 100) << "poll " << i;
    }
    EXPECT_GE(failed, 6);
    expectLineBack();
}

} // namespace
} // namespace ortavel::test
