#include "adapters/TelnetComPort.h"
#if ORTAVEL_NETWORK
#include "adapters/NetworkSerialPort.h"
#include "link/Exchange.h"
#include "link/SteadyClock.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#endif

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace ortavel {
namespace {

std::string bytes(std::initializer_list<int> values)
{
    std::string text;
    for (const int v : values)
        text += static_cast<char>(v);
    return text;
}

constexpr int kIac = 255;

TEST(TelnetComPort, WritesTheRequestsByteForByte)
{
    TelnetComPort codec;
    EXPECT_EQ(codec.greeting(), bytes({kIac, 251, 44, kIac, 251, 0, kIac, 251, 3, kIac, 253, 0, kIac, 253, 3}));
    EXPECT_EQ(TelnetComPort::data("\xFF$01\r"), "\xFF\xFF$01\r");
    const SerialLineConfig line{4800, LineParity::Even, 7, LineStopBits::Two};
    EXPECT_EQ(TelnetComPort::lineSettings(line),
              bytes({kIac, 250,  44,  1,  0, 0, 0x12, 0xC0, kIac, 240, kIac, 250, 44, 2,    7,  kIac,
                     240,  kIac, 250, 44, 3, 3, kIac, 240,  kIac, 250, 44,   4,   2,  kIac, 240}));
    // A rate whose bytes hold 255 keeps it doubled inside the request.
    EXPECT_EQ(TelnetComPort::lineSettings({255, LineParity::None, 8, LineStopBits::One}).substr(0, 10),
              bytes({kIac, 250, 44, 1, 0, 0, 0, kIac, kIac, kIac}));
    EXPECT_EQ(TelnetComPort::purge(TelnetComPort::Purge::Received), bytes({kIac, 250, 44, 12, 1, kIac, 240}));
}

// What the server sends, in any split: the data alone comes out, each negotiation gets its answer once.
TEST(TelnetComPort, TakesTheDataOutOfWhatTheServerSends)
{
    const std::string ack9600 = bytes({kIac, 250, 44, 101, 0, 0, 0x25, 0x80, kIac, 240});
    const struct {
        const char *name;
        std::vector<std::string> chunks;
        std::string data;
        std::string reply = {};
        std::optional<std::uint32_t> baud = {};
        bool refused = false;
    } rows[] = {
        {"plain data", {"*01+1.0\r"}, "*01+1.0\r"},
        {"a doubled 255 is one data byte",
         {"a" + bytes({kIac, kIac}) + "b"},
         "a\xFF"
         "b"},
        {"a doubled 255 split across reads",
         {"a" + bytes({kIac}), bytes({kIac}) + "b"},
         "a\xFF"
         "b"},
        {"the answers to our offers need none", {bytes({kIac, 253, 44, kIac, 251, 0, kIac, 253, 3}) + "x"}, "x"},
        {"an option nobody offered is declined", {bytes({kIac, 253, 5})}, "", bytes({kIac, 252, 5})},
        {"the server's echo is declined", {bytes({kIac, 251, 1})}, "", bytes({kIac, 254, 1})},
        {"a refused COM port option is told", {bytes({kIac, 254, 44})}, "", bytes({kIac, 252, 44}), {}, true},
        {"the rate acknowledged", {"*" + ack9600 + "01\r"}, "*01\r", "", 9600},
        {"the acknowledgement byte by byte",
         [&] {
             std::vector<std::string> one;
             for (const char c : "<" + ack9600 + ">")
                 one.emplace_back(1, c);
             return one;
         }(),
         "<>", "", 9600},
        {"a line state notice with a doubled 255 in it",
         {bytes({kIac, 250, 44, 106, kIac, kIac, kIac, 240}) + "ok"},
         "ok"},
        {"commands without an option are dropped", {bytes({kIac, 241, kIac, 249}) + "z"}, "z"},
        {"an overlong subnegotiation ends all the same",
         {bytes({kIac, 250, 44}) + std::string(500, 'q') + bytes({kIac, 240}) + "end"},
         "end"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        TelnetComPort codec;
        codec.greeting();
        std::string data;
        std::string reply;
        for (const auto &chunk : row.chunks)
            data += codec.feed(chunk, reply);
        EXPECT_EQ(data, row.data);
        EXPECT_EQ(reply, row.reply);
        EXPECT_EQ(codec.acknowledgedBaud(), row.baud);
        EXPECT_EQ(codec.comPortRefused(), row.refused);
    }
}

} // namespace
} // namespace ortavel

#if ORTAVEL_NETWORK
namespace ortavel {
namespace {

// A server that takes the connection and never answers a negotiation or a request: the open and every
// exchange go on, each request on the wire whole, none waiting longer than once for an acknowledgement.
TEST(NetworkSerialPort, AServerThatAcknowledgesNothingStillCarriesTheExchange)
{
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    std::string error;
    const auto address =
        parsePortAddress("rfc2217://127.0.0.1:" + std::to_string(server.serverPort()) + "?allowance=0", error);
    ASSERT_TRUE(address) << error;
    NetworkSerialPort port;
    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(port.openAddress(*address)) << port.errorString();
    EXPECT_TRUE(port.setSettings("4800,N,8,1")) << port.errorString();
    SteadyClock clock;
    Exchange exchange(port, clock);
    EXPECT_EQ(exchange.Comm_Send("01", "TY"), "ERR 0\r");
    EXPECT_EQ(exchange.Comm_Send("01", "TY"), "ERR 0\r");
    // One wait for the rate's acknowledgement, then two timeouts of 150 ms at 4800.
    EXPECT_LT(timer.elapsed(), 2000);
    EXPECT_TRUE(port.isOpen());
    ASSERT_TRUE(server.waitForNewConnection(1000));
    QTcpSocket *far = server.nextPendingConnection();
    far->waitForReadyRead(1000);
    const QByteArray sent = far->readAll();
    EXPECT_EQ(sent.count("$01TY0C\r"), 2) << sent.toHex().toStdString();
}

} // namespace
} // namespace ortavel
#endif
