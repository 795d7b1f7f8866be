// Replies of every malformed kind at all four rates, end to end: the
// ortavel-sim program spoils them as its bus file says, ortavel-cli shows
// the result text and exits by it. A reply that comes after the timeout
// lies in the port until the next exchange throws it away.

#include "CliChild.h"
#include "SimProgram.h"
#include "link/Checksum.h"
#include "link/LineSettings.h"
#include "link/ReplyCheck.h"
#include "sim/Fault.h"
#include "sim/SimServer.h"
#include "sim/WireTiming.h"
#include "traffic/TrafficLine.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <thread>
#include <vector>

namespace ortavel::test {
namespace {

using sim::Fault;

constexpr std::array<Fault, 9> kFaults = {
    Fault::None,       Fault::Silent, Fault::BadChecksum, Fault::LowerCaseChecksum, Fault::NoiseBefore,
    Fault::BytesAfter, Fault::Pieces, Fault::Late,        Fault::Collision};
constexpr std::array<int, 4> kRates = {9600, 4800, 2400, 1200};

// One transmitter per rate and fault: the rate's position gives the tens,
// the fault's the units.
int addressOf(std::size_t rate, std::size_t fault)
{
    return static_cast<int>((rate + 1) * 10 + fault + 1);
}

// A type whose reply checksum holds a letter, so that the lower-case fault
// really changes the frame.
std::string typeFor(int address)
{
    const std::string payloadStart = std::to_string(address) + "T";
    for (char c = 'A';; ++c) {
        const std::string checksum = PARITY_XORB(payloadStart + c);
        if (checksum.find_first_of("ABCDEF") != std::string::npos)
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

class ReplyFaults : public ::testing::TestWithParam<std::size_t> {};

TEST_P(ReplyFaults, EachKindGivesItsResultText)
{
    const std::size_t rate = GetParam();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile file(folder.path() + "/bus.json");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(busFile());
    file.close();
    SimProgram sim;
    ASSERT_TRUE(sim.start({"--link", folder.path() + "/com1", "--bus", file.fileName(), "--turnaround", "1"}));

    const QString baud = QString::number(kRates[rate]);
    for (std::size_t f = 0; f < kFaults.size(); ++f) {
        const std::string address = std::to_string(addressOf(rate, f));
        SCOPED_TRACE(std::string(sim::faultName(kFaults[f])) + " at " + baud.toStdString());
        const auto run = runCli({"--device", QString::fromStdString(sim.linkPath()), "--baud", baud, "send",
                                 QString::fromStdString(address), "TY"});
        const std::string result = expectedResult(kFaults[f], address + typeFor(addressOf(rate, f)));
        std::string line = result;
        line.back() = '\n';
        EXPECT_EQ(run.out, line);
        EXPECT_EQ(run.exitCode, result.front() == '*' ? 0 : 1) << run.err;
    }
}

INSTANTIATE_TEST_SUITE_P(Rates, ReplyFaults, ::testing::Range<std::size_t>(0, kRates.size()),
                         [](const ::testing::TestParamInfo<std::size_t> &param) {
                             return "at" + std::to_string(kRates[param.param]);
                         });

// The poll's first reply comes late; it reaches the port before the
// second poll, which must throw it away and take its own reply.
class LateReply : public ::testing::TestWithParam<std::size_t> {};

TEST_P(LateReply, IsDiscardedByTheNextExchange)
{
    const int baud = kRates[GetParam()];
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
    options.timing.turnaround = std::chrono::milliseconds(1);
    server.start(bus, options);

    const auto late = std::chrono::duration_cast<std::chrono::milliseconds>(sim::WireTiming::lateTime(baud));
    const auto interval = late + std::chrono::milliseconds(300);
    CliChild poll;
    ASSERT_TRUE(poll.start({"--device", QString::fromStdString(options.linkPath), "--baud", QString::number(baud),
                            "--trace", "poll", "05", "--count", "2", "--interval", QString::number(interval.count())}));
    for (int i = 0; i < 500 && server.trace().empty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    server.setFault(5, {});
    ASSERT_TRUE(poll.finish(20000));

    const auto trace = server.trace();
    ASSERT_EQ(trace.size(), 2U);
    EXPECT_EQ(trace[0].fault, Fault::Late);
    ASSERT_TRUE(trace[0].replyEnd.has_value()) << "the late reply went on the line";
    EXPECT_LT(*trace[0].replyEnd, trace[1].received) << "before the next request";
    EXPECT_EQ(trace[1].fault, Fault::None);
    // The poll's results in the command's trace: the late one, then the
    // second request's own.
    const std::string &err = poll.err();
    std::vector<ExchangeRecord> lines;
    std::istringstream in(err);
    for (std::string line; std::getline(in, line);) {
        if (auto record = parseTrafficLine(line))
            lines.push_back(*record);
    }
    ASSERT_EQ(lines.size(), 2U) << err;
    EXPECT_EQ(lines[0].result, ExchangeResult::NoReply) << err;
    EXPECT_EQ(lines[1].result, ExchangeResult::Good) << err;
    EXPECT_EQ(lines[1].reply.substr(0, 3), "*05") << err;
    EXPECT_EQ(poll.exitCode(), 1);
}

INSTANTIATE_TEST_SUITE_P(Rates, LateReply, ::testing::Range<std::size_t>(0, kRates.size()),
                         [](const ::testing::TestParamInfo<std::size_t> &param) {
                             return "at" + std::to_string(kRates[param.param]);
                         });

} // namespace
} // namespace ortavel::test
