#include "adapters/SerialPortQt.h"
#include "link/Exchange.h"
#include "link/PortMap.h"
#include "link/SteadyClock.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

const QString kProgram = QStringLiteral(ORTAVEL_SIM_PROGRAM);

struct ProgramRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

ProgramRun runToEnd(const QStringList &arguments)
{
    QProcess process;
    process.start(kProgram, arguments);
    ProgramRun run;
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

struct UsageCase {
    QStringList arguments;
    const char *messagePart;
    int exitCode = 2; // errors go to standard error, help to standard output
};

class SimProgramUsage : public ::testing::TestWithParam<UsageCase> {};

TEST_P(SimProgramUsage, ExitsWithItsStatusAndMessage)
{
    const ProgramRun run = runToEnd(GetParam().arguments);
    EXPECT_EQ(run.exitCode, GetParam().exitCode);
    const std::string &message = GetParam().exitCode == 0 ? run.out : run.err;
    EXPECT_NE(message.find(GetParam().messagePart), std::string::npos) << message;
    EXPECT_TRUE(GetParam().exitCode == 0 || run.out.empty()) << "errors print nothing on standard output";
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, SimProgramUsage,
    ::testing::Values(UsageCase{{"--help"}, "Usage: ortavel-sim", 0}, UsageCase{{"--bogus"}, "unknown argument"},
                      UsageCase{{"--link"}, "needs a value"}, UsageCase{{"--turnaround", "abc"}, "--turnaround"},
                      UsageCase{{"--turnaround", "-1"}, "--turnaround"}, UsageCase{{"--seed", "x"}, "--seed"},
                      UsageCase{{"--trace=yes"}, "takes no value"},
                      UsageCase{{"--bus", "/nonexistent/bus.json"}, "/nonexistent/bus.json"}));

TEST(SimProgram, InvalidBusDescriptionExitsWithStatus2)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string busFile = dir.filePath("bus.json").toStdString();
    std::ofstream(busFile) << R"({"transmitters": [{"address": 1, "decimals": 7}]})";
    const ProgramRun run = runToEnd({"--bus", QString::fromStdString(busFile), "--link", dir.filePath("line")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("bus.json"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir.filePath("line").toStdString()));
}

TEST(SimProgram, AnswersOnItsLinkUntilTerminated)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString link = dir.filePath("line");
    const std::string busFile = dir.filePath("bus.json").toStdString();
    std::ofstream(busFile) << R"({"transmitters": [{"address": 9, "baud": 4800, "type": "FROMFILE"}]})";

    QProcess process;
    process.start(kProgram, {"--link", link, "--bus", QString::fromStdString(busFile), "--trace", "--no-wire-time"});
    ASSERT_TRUE(process.waitForStarted());
    ASSERT_TRUE(process.waitForReadyRead(5000));
    ASSERT_TRUE(process.canReadLine() || process.waitForReadyRead(1000));
    const QString firstLine = QString::fromUtf8(process.readLine()).trimmed();
    EXPECT_EQ(firstLine, link);

    ortavel::PortMap portMap;
    ortavel::SerialPortQt port(portMap);
    ASSERT_TRUE(port.openDevice(firstLine.toStdString())) << port.errorString();
    ASSERT_TRUE(port.setSettings("4800,N,8,1"));
    ortavel::SteadyClock clock;
    ortavel::Exchange exchange(port, clock);
    EXPECT_EQ(exchange.Comm_Send("09", "TY"), "*09FROMFILE\r");
    port.close();

    ::kill(static_cast<pid_t>(process.processId()), SIGTERM);
    ASSERT_TRUE(process.waitForFinished(5000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_FALSE(std::filesystem::exists(link.toStdString())) << "the link is removed";
    const std::string log = process.readAllStandardError().toStdString();
    EXPECT_NE(log.find("rx 4800  $09TY"), std::string::npos) << log;
    EXPECT_NE(log.find("tx 4800  *09FROMFILE"), std::string::npos) << log;
}

} // namespace
