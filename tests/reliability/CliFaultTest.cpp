// ortavel-cli as a user runs it, with faults on the line, in its arguments and in its settings.

#include "Programs.h"
#include "adapters/DevicePermission.h"
#include "adapters/SerialPortQt.h"
#include "link/Checksum.h"
#include "link/Exchange.h"
#include "link/PortMap.h"
#include "link/ReplyCheck.h"
#include "sim/Fault.h"
#include "sim/FrameSplitter.h"
#include "sim/WireTiming.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <array>
#include <cerrno>
#include <filesystem>
#include <grp.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace ortavel::test {
namespace {

using namespace std::chrono_literals;
using sim::Fault;

// ortavel-sim killed under a running command: no hang, no spin, and the line works once back.
class CliVanish : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        m_link = m_folder.path().toStdString() + "/com1";
        startSimulator();
    }

    void startSimulator()
    {
        ASSERT_TRUE(m_sim.start({"--link", QString::fromStdString(m_link), "--trace", "--turnaround", "1"}));
        ASSERT_EQ(m_sim.linkPath(), m_link);
    }

    // Kills the simulator once its log holds `text`; `cpu`: what the command used in `span` after.
    CliResult killUnder(std::vector<std::string> arguments, const std::string &text, int times,
                        std::chrono::milliseconds span, double &cpu)
    {
        CliChild child;
        arguments.insert(arguments.begin(), {"--device", m_link});
        EXPECT_TRUE(child.start(arguments));
        EXPECT_TRUE(m_sim.waitForLog(text, times));
        m_sim.kill();
        const auto pid = static_cast<pid_t>(child.pid());
        const double before = processCpuMs(pid);
        std::this_thread::sleep_for(span);
        const double after = processCpuMs(pid);
        cpu = before < 0 || after < 0 ? -1 : after - before;
        EXPECT_TRUE(child.finish(10000)) << "the command hangs";
        return child.result();
    }

    // A new simulator at the same path: a new command opens the port again.
    void expectLineBack()
    {
        startSimulator();
        const auto run = runCli({"--device", m_link, "send", "01", "TY"});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, "*01QX820\n");
    }

    QTemporaryDir m_folder;
    std::string m_link;
    SimProgram m_sim;
};

TEST_F(CliVanish, InTheMiddleOfASearch)
{
    // 01 has answered at 9600; the silent addresses after it time out.
    double cpu = 0;
    const auto search = killUnder({"search", "--addresses", "1-30"}, "$06AD", 1, 1000ms, cpu);
    if (cpu >= 0) {
        EXPECT_LT(cpu, 900.0);
    }
    EXPECT_EQ(search.exitCode, 0) << search.err;
    EXPECT_NE(search.out.find("01"), std::string::npos) << search.out;
    EXPECT_EQ(search.out.find("07"), std::string::npos) << search.out;
    EXPECT_NE(search.err.find("search over: 1 found in 120 exchanges"), std::string::npos) << search.err;
    expectLineBack();
}

TEST_F(CliVanish, BetweenThePollsOfAPoll)
{
    // Waiting for the next poll costs nothing.
    double cpu = 0;
    const auto poll =
        killUnder({"--trace", "poll", "01", "--count", "10", "--interval", "250"}, "$01RT0", 1, 1200ms, cpu);
    ASSERT_GE(cpu, 0.0) << "the poll ended before its count";
    EXPECT_LT(cpu, 300.0);
    EXPECT_EQ(poll.exitCode, 1);
    EXPECT_NE(poll.err.find("10 polls"), std::string::npos) << poll.err;
    const auto trace = traceLines(poll.err);
    ASSERT_EQ(trace.size(), 10U) << poll.err;
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

// A port that cannot be had: one "ortavel-cli: ..." line on stderr, exit status 2, nothing else.
void expectPortRefused(const CliResult &run, const std::string &what)
{
    SCOPED_TRACE(what);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    const std::string prefix = "ortavel-cli: ";
    ASSERT_GT(run.err.size(), prefix.size() + 1) << run.err;
    EXPECT_EQ(run.err.substr(0, prefix.size()), prefix) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
}

CliResult sendTo(const std::string &device)
{
    return runCli({"--device", device, "send", "01", "TY"});
}

TEST(OpenFailure, PathsThatAreNoSerialPort)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string base = folder.path().toStdString();
    QFile file(folder.path() + "/file");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("$01TY0C\r");
    file.close();
    ASSERT_EQ(::mkfifo((base + "/fifo").c_str(), 0600), 0);
    const std::pair<std::string, std::string> cases[] = {
        {"missing", base + "/missing"},
        {"regular file", base + "/file"},
        {"directory", base},
        {"named pipe", base + "/fifo"},
        {"not a terminal", "/dev/null"},
        {"very long path", "/" + std::string(5000, 'x')},
    };
    for (const auto &[what, path] : cases)
        expectPortRefused(sendTo(path), what);
    expectPortRefused(runCli({"--port", "3", "--port-map", "3=" + base + "/ttyMISSING", "send", "01", "TY"}),
                      "port map");
    // The file stays as it was: nothing was written to it.
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("$01TY0C\r"));
}

class HeldPort : public DemoLine {
protected:
    void SetUp() override
    {
        DemoLine::SetUp();
        m_device = std::filesystem::canonical(m_link).string();
        ASSERT_NE(m_device, m_link);
    }

    std::string m_device; // the pseudo-terminal behind the link
};

// Another QSerialPort user holds the port's lock, under whichever name either of them uses.
TEST_F(HeldPort, ByAnotherSerialPortUser)
{
    for (const bool holderUsesLink : {true, false}) {
        PortMap portMap;
        SerialPortQt holder(portMap);
        ASSERT_TRUE(holder.openDevice(holderUsesLink ? m_link : m_device)) << holder.errorString();
        expectPortRefused(sendTo(m_link), "the link");
        expectPortRefused(sendTo(m_device), "the device");
        holder.close();
    }
    const auto run = sendTo(m_device);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "*01QX820\n");
}

// A device open to this user gets no remedy, even where the failure left EACCES behind.
TEST_F(HeldPort, NoRemedyForAnAccessibleDevice)
{
    errno = EACCES;
    EXPECT_EQ(permissionRemedy(m_device), "");
}

// The device in the group uucp (not dialout) opened as nobody, since root passes all.
TEST_F(HeldPort, WithoutPermission)
{
    const struct group *uucp = ::getgrnam("uucp");
    if (::geteuid() != 0 || uucp == nullptr)
        GTEST_SKIP() << "needs root and the group uucp";
    ASSERT_EQ(::chown(m_device.c_str(), 0, uucp->gr_gid), 0);
    ASSERT_EQ(::chmod(m_device.c_str(), 0660), 0);
    PortMap map;
    map.setOverride(2, m_device);
    SerialPortQt port(map);
    ASSERT_EQ(::seteuid(65534), 0);
    const bool opened = port.setPortNumber(2) && port.open();
    ASSERT_EQ(::seteuid(0), 0);
    EXPECT_FALSE(opened);
    const std::string text = port.errorString();
    EXPECT_TRUE(text.starts_with("Permission denied\nTo use " + m_device + ", join its group \"uucp\"")) << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
    EXPECT_TRUE(text.ends_with("log in again.")) << text;
}

// Each reply fault of ortavel-sim's bus file gives its result text and exit status.
constexpr std::array<Fault, 9> kFaults = {
    Fault::None,       Fault::Silent, Fault::BadChecksum, Fault::LowerCaseChecksum, Fault::NoiseBefore,
    Fault::BytesAfter, Fault::Pieces, Fault::Late,        Fault::Collision};
constexpr std::array<int, 2> kRates = {9600, 1200};

// One transmitter per rate and fault: the rate gives the tens, the fault the units.
int addressOf(std::size_t rate, std::size_t fault)
{
    return static_cast<int>((rate + 1) * 10 + fault + 1);
}

// A type whose reply checksum holds a letter, so that the lower-case fault changes the frame.
std::string typeFor(int address)
{
    const std::string payloadStart = std::to_string(address) + "T";
    for (char c = 'A';; ++c) {
        if (PARITY_XORB(payloadStart + c).find_first_of("ABCDEF") != std::string::npos)
            return std::string("T") + c;
    }
}

QByteArray busFile()
{
    QJsonArray transmitters;
    for (std::size_t r = 0; r < kRates.size(); ++r) {
        for (std::size_t f = 0; f < kFaults.size(); ++f) {
            const int address = addressOf(r, f);
            transmitters.append(QJsonObject{{"address", address},
                                            {"baud", kRates[r]},
                                            {"type", QString::fromStdString(typeFor(address))},
                                            {"fault", QString::fromLatin1(sim::faultName(kFaults[f]))}});
        }
    }
    return QJsonDocument(QJsonObject{{"seed", 7}, {"transmitters", transmitters}}).toJson();
}

std::string expectedResult(Fault fault, const std::string &payload)
{
    switch (fault) {
    case Fault::None:
    case Fault::Pieces:
        return "*" + payload + "\r";
    case Fault::Silent:
    case Fault::Late:
        return std::string(kNoReply);
    default:
        return std::string(kBadReply);
    }
}

TEST(ReplyFault, EachGivesItsResultText)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile file(folder.path() + "/bus.json");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(busFile());
    file.close();
    SimProgram sim;
    ASSERT_TRUE(sim.start({"--link", folder.path() + "/com1", "--bus", file.fileName(), "--turnaround", "1"}));
    for (std::size_t rate = 0; rate < kRates.size(); ++rate) {
        const std::string baud = std::to_string(kRates[rate]);
        for (std::size_t f = 0; f < kFaults.size(); ++f) {
            const std::string address = std::to_string(addressOf(rate, f));
            SCOPED_TRACE(std::string(sim::faultName(kFaults[f])) + " at " + baud);
            const auto run = runCli({"--device", sim.linkPath(), "--baud", baud, "send", address, "TY"});
            std::string line = expectedResult(kFaults[f], address + typeFor(addressOf(rate, f)));
            line.back() = '\n';
            EXPECT_EQ(run.out, line);
            EXPECT_EQ(run.exitCode, line.front() == '*' ? 0 : 1) << run.err;
        }
    }
}

// The first poll's reply comes late, before the second poll, which must drop it and take its own.
TEST(ReplyFault, LateReplyIsDiscardedByTheNextExchange)
{
    const int baud = 1200;
    sim::TransmitterConfig t;
    t.address = 5;
    t.baud = baud;
    t.fault.fault = Fault::Late;
    sim::BusConfig bus;
    bus.transmitters = {t};
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    sim::SimServer server;
    sim::SimServer::Options options;
    options.linkPath = (folder.path() + "/com1").toStdString();
    options.timing.turnaround = 1ms;
    // Well past the timeout: a wait that oversleeps on a busy machine must not catch it in time.
    options.timing.lateMin = 50ms;
    options.timing.lateMax = 70ms;
    server.start(bus, options);

    const auto late =
        std::chrono::duration_cast<std::chrono::milliseconds>(sim::WireTiming::lateTime(baud, options.timing.lateMax));
    const auto interval = late + 300ms;
    CliChild poll;
    ASSERT_TRUE(poll.start({"--device", options.linkPath, "--baud", std::to_string(baud), "--trace", "poll", "05",
                            "--count", "2", "--interval", std::to_string(interval.count())}));
    for (int i = 0; i < 500 && server.trace().empty(); ++i)
        std::this_thread::sleep_for(5ms);
    server.setFault(5, {});
    ASSERT_TRUE(poll.finish(20000));

    const auto trace = server.trace();
    ASSERT_EQ(trace.size(), 2U);
    EXPECT_EQ(trace[0].fault, Fault::Late);
    ASSERT_TRUE(trace[0].replyEnd.has_value()) << "the late reply went on the line";
    EXPECT_LT(*trace[0].replyEnd, trace[1].received) << "before the next request";
    EXPECT_EQ(trace[1].fault, Fault::None);
    // The command's own trace: the late one, its reply marked late, then the second request's own.
    const std::string &err = poll.result().err;
    const auto lines = traceLines(err);
    ASSERT_EQ(lines.size(), 3U) << err;
    EXPECT_EQ(lines[0].result, ExchangeResult::NoReply) << err;
    EXPECT_EQ(std::make_tuple(lines[1].result, lines[1].request, lines[1].reply),
              std::make_tuple(ExchangeResult::LateReply, lines[0].request, trace[0].reply))
        << err;
    EXPECT_EQ(lines[2].result, ExchangeResult::Good) << err;
    EXPECT_EQ(lines[2].reply.substr(0, 3), "*05") << err;
    EXPECT_NE(err.find("05 answers later than the 450 ms timeout; its values were not taken"), std::string::npos);
    EXPECT_EQ(poll.result().exitCode, 1);
}

// Any bytes as address, command and value: no crash, and exactly their frame reaches the line.
class CommandText : public DemoLine {
protected:
    std::vector<std::string> tracedFrames() const
    {
        std::vector<std::string> frames;
        for (const auto &entry : m_server.trace())
            frames.push_back(entry.frame);
        return frames;
    }

    // The line still works for an ordinary request.
    void expectLineWorks()
    {
        const auto ok = run({"send", "01", "AD"});
        EXPECT_EQ(ok.out, "*0101\n") << ok.err;
    }
};

struct SendCase {
    const char *name;
    std::string address;
    std::string command;
    int exitCode;
};

TEST_F(CommandText, SendPutsExactlyItsTextsOnTheLine)
{
    const std::string longText(600, 'Z');
    const std::string hugeText(100000, '7');
    const SendCase cases[] = {
        {"empty command", "01", "", 1},
        {"empty address", "", "01TY", 0}, // the covered text is what counts
        {"letters as address", "xy", "TY", 1},
        {"control bytes", "01", "\x01\x02\x7F", 1},
        {"carriage return inside", "01", "TY\rAD", 1},
        {"not UTF-8", "\xFF\xFE", "T\xC0Y", 1},
        {"value of odd bytes", "01", "TY\xFF\x80", 0},
        {"longer than a frame", "01", "TY" + longText, 1},
        {"very long command", "01", hugeText, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = run({"send", c.address, c.command});
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
        // The simulator cuts the bytes at each CR and drops runs too long for a frame.
        EXPECT_EQ(tracedFrames(), sim::FrameSplitter().feed(Exchange::requestFrame(c.address, c.command)));
        const bool good = !result.out.empty() && result.out.front() == '*';
        EXPECT_EQ(result.exitCode == 0, good) << result.out;
    }
    expectLineWorks();
}

TEST_F(CommandText, ArgumentsTheCommandRefusesSendNothing)
{
    // Backups apply must refuse whole: nothing to write, a value of the wrong kind, a count that is no count.
    const auto backup = [this](const std::string &name, const std::string &body) {
        const QString path = m_folder.path() + "/" + QString::fromStdString(name) + ".json";
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(R"({"format":"ortavel-backup","format_version":1)" + body + "}"));
        return path.toStdString();
    };
    const std::vector<std::string> refused[] = {
        {"apply", backup("no-settings", R"(,"source":{"address":"01"})"), "1"},
        {"apply", backup("empty-settings", R"(,"settings":{})"), "1"},
        {"apply", backup("type-number", R"(,"settings":{"type":820})"), "1"},
        {"apply", backup("zero-text", R"(,"settings":{"display_zero":"low"})"), "1"},
        {"apply", backup("half-point", R"(,"settings":{"unit":0},"calibration":{"points":2.5,"table":[]})"), "1",
         "--with-calibration"},
        {"apply", backup("good", R"(,"settings":{"unit":0})"), "1", "--save", "somewhere"},
        {"send"},
        {"send", "01"},
        {"send", "01", "TY", "AD"},
        {"send", "--repeat", "0", "01", "TY"},
        {"send", "--repeat", "99999999999999999999", "01", "TY"},
        {"send", "--repeat"},
        {"send", "--bogus", "01", "TY"},
        {"set", "1", "type=OK", "decimals=9"},
        {"set", "100", "type=X"},
        {"search", "--quick", "--turnaround", "4"},
        {"search", "--quick", "--turnaround", "3O"},
        {"search", "--quick", "--allowance", "51"},
        {"search", "--turnaround", "30"},
    };
    for (const auto &arguments : refused) {
        std::string text;
        for (const auto &argument : arguments)
            text += argument + " ";
        SCOPED_TRACE(text);
        const auto result = run(arguments);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err.rfind("ortavel-cli: ", 0), 0U) << result.err;
        EXPECT_TRUE(m_server.trace().empty());
    }
}

struct SetCase {
    const char *name;
    std::string setting;
    std::string sentCommand; // empty: refused before anything is sent
};

TEST_F(CommandText, SetChecksValuesOrSendsThemAsGiven)
{
    const std::string longType(300, 'T');
    const SetCase cases[] = {
        {"type with control byte", std::string("type=A\x01", 7), ""},
        {"type of odd bytes", "type=\xE7\xB1\xBB\xFF", "TY\xE7\xB1\xBB\xFF"},
        {"long type", "type=" + longType, "TY" + longType},
        {"two equals", "type==X", "TY=X"},
        {"huge whole number", "trim_4ma=99999999999999999999", ""},
        {"unit of odd bytes", "unit=\xFF", ""},
        {"address with a full-width digit", "address=\xEF\xBC\x91", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = run({"set", "01", c.setting});
        ASSERT_GE(result.exitCode, 0) << "crashed: " << result.err;
        const auto frames = tracedFrames();
        if (c.sentCommand.empty()) {
            EXPECT_EQ(result.exitCode, 2) << result.out;
            EXPECT_TRUE(frames.empty());
            EXPECT_FALSE(result.err.empty());
            continue;
        }
        EXPECT_NE(result.exitCode, 2) << result.err;
        ASSERT_FALSE(frames.empty());
        // The write goes last: the history reads the value it replaces first.
        EXPECT_EQ(frames.back(), Exchange::requestFrame("01", c.sentCommand));
    }
    expectLineWorks();
}

// A port map entry of the settings that is no absolute path stands for the default device.
class CliSettingsGarbage : public DemoLine {
protected:
    // Runs the command with this settings file in its folder.
    static CliResult runWith(const std::string &settingsText, std::vector<std::string> arguments)
    {
        QTemporaryDir settings;
        EXPECT_TRUE(QDir(settings.path()).mkpath("Kavrin"));
        QFile file(settings.path() + "/Kavrin/Kavrin.conf");
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(settingsText.data(), static_cast<qint64>(settingsText.size()));
        file.close();
        arguments.insert(arguments.begin(), {"--settings-dir", settings.path().toStdString()});
        return runCli(arguments);
    }
};

TEST_F(CliSettingsGarbage, PortMapEntriesThatAreNoPathAreIgnored)
{
    const std::string longPath = "/" + std::string(5000, 'q');
    const std::string settings = "[PortMap]\n1=ttyUSB0\n2=" + m_link + "\n3=" + longPath +
                                 "\n4=\x01\xFF\xFE\n5=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x10QString)\n"
                                 "6=rfc2217://plc-7:2217?echo=on\n7=/dev/null\nx=/dev/null\n";
    // An entry of the command line goes before the settings.
    const auto ports = runWith(settings, {"--port-map", "4=" + m_link, "--json", "ports"});
    ASSERT_EQ(ports.exitCode, 0) << ports.err;
    const QJsonArray map = QJsonDocument::fromJson(QByteArray::fromStdString(ports.out)).object()["map"].toArray();
    ASSERT_EQ(map.size(), 6) << ports.out;
    const std::string expected[] = {"/dev/ttyS0", m_link, longPath, m_link, "/dev/ttyS4", "rfc2217://plc-7:2217"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(map[i].toObject()["device"].toString().toStdString(), expected[i]) << "com" << i + 1;
    EXPECT_EQ(map[3].toObject()["why"].toString(), "option");
    EXPECT_TRUE(map[3].toObject()["present"].toBool());
    EXPECT_EQ(map[4].toObject()["why"].toString(), "default");
    // A device server in the settings: known to be there only once reached, its link said with its options.
    EXPECT_TRUE(map[5].toObject()["present"].isNull());
    EXPECT_EQ(map[5].toObject()["link"].toString(), "RFC 2217, reply allowance 20 ms, echo on");
    const auto text = runWith(settings, {"ports"}).out;
    const auto row = text.find("\ncom6 ");
    ASSERT_NE(row, std::string::npos) << text;
    std::string line = text.substr(row + 1, text.find('\n', row + 1) - row - 1);
    line.erase(std::unique(line.begin(), line.end(), [](char a, char b) { return a == ' ' && b == ' '; }), line.end());
    EXPECT_EQ(line, "com6 rfc2217://plc-7:2217 set - RFC 2217, reply allowance 20 ms, echo on");
    EXPECT_TRUE(m_server.trace().empty());

    // The entry naming the simulator's line works; the long one fails with the serial layer's word.
    const auto good = runWith(settings, {"--port", "2", "send", "01", "AD"});
    EXPECT_EQ(good.exitCode, 0) << good.err;
    EXPECT_EQ(good.out, "*0101\n");
    const auto refused = runWith(settings, {"--port", "3", "send", "01", "AD"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_EQ(refused.out, "");
    // Qt may warn about the garbage first; the command's own word is the last line.
    const auto lastLine = refused.err.rfind('\n', refused.err.size() - 2);
    EXPECT_EQ(refused.err.substr(lastLine == std::string::npos ? 0 : lastLine + 1, 13), "ortavel-cli: ") << refused.err;
}

} // namespace
} // namespace ortavel::test
