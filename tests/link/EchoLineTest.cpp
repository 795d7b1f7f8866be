// QSerialPort on the simulator's pseudo-terminal, through the echo filter:
// a line that hands every request back, and one that does not.

#include "adapters/SerialPortQt.h"
#include "cli/BusSearch.h"
#include "cli/ExchangeBus.h"
#include "link/Commands.h"
#include "link/EchoFilter.h"
#include "link/PortMap.h"
#include "link/SteadyClock.h"
#include "sim/SimBusBuilder.h"
#include "sim/SimServer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ortavel {
namespace {

std::string listed(const cli::SearchOutcome &outcome)
{
    std::string text;
    for (const auto &found : outcome.found)
        text += found.address + "@" + std::to_string(found.baud) + " ";
    return text;
}

TEST(EchoLine, SearchReadAndWriteThroughTheFilter)
{
    const struct {
        const char *why;
        bool lineEchoes;
        EchoMode mode;
        std::string found;
        bool answered; // reads and the write come back good
        int faults = 0;
    } rows[] = {
        {"echoing line, auto", true, EchoMode::Auto, "01@9600 03@4800 ", true},
        {"plain line, auto", false, EchoMode::Auto, "01@9600 03@4800 ", true},
        {"echoing line, on", true, EchoMode::On, "01@9600 03@4800 ", true},
        {"plain line, on: told once", false, EchoMode::On, "01@9600 03@4800 ", true, 1},
        // Proves the line echoes: unfiltered, every echo is taken for the reply.
        {"echoing line, off", true, EchoMode::Off, "", false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.why);
        sim::BusConfig bus;
        bus.transmitters = {sim::test::at(1, 9600, "T9600"), sim::test::at(3, 4800, "T4800")};
        sim::SimServer server; // outlives the port
        sim::SimServer::Options options;
        options.echo = row.lineEchoes;
        const std::string path = server.start(bus, options);
        PortMap portMap;
        SerialPortQt port{portMap};
        ASSERT_TRUE(port.openDevice(path)) << port.errorString();
        SteadyClock clock;
        EchoFilter filter{port, clock, row.mode};
        std::vector<std::string> faults;
        filter.onLineFault = [&](const std::string &message) { faults.push_back(message); };
        cli::ExchangeBus line{filter, clock};

        const std::vector<int> addresses = {1, 2, 3};
        const std::vector<int> bauds = {9600, 4800};
        EXPECT_EQ(listed(cli::BusSearch::run(line, addresses, bauds)), row.found);
        EXPECT_EQ(listed(cli::BusSearch::run(line, addresses, bauds, {}, QuickSearchWait{})), row.found);

        ASSERT_TRUE(line.setBaud(9600));
        const std::string type = line.send("01", std::string(cmd::Type));
        const std::string written = line.send("01", cmd::write(cmd::Ident, "ECHO7"));
        ASSERT_TRUE(line.setBaud(4800));
        const std::string pressure = line.send("03", std::string(cmd::Pressure));
        EXPECT_EQ(type == "*01T9600\r", row.answered) << type;
        EXPECT_EQ(written == "*01ECHO7\r", row.answered) << written;
        EXPECT_EQ(isReplyFrom(pressure, "03"), row.answered) << pressure;
        // The request went out whatever was made of its reply.
        ASSERT_TRUE(server.transmitter(1));
        EXPECT_EQ(server.transmitter(1)->config.working.ident, "ECHO7");
        EXPECT_EQ(static_cast<int>(faults.size()), row.faults);
        port.close();
    }
}

} // namespace
} // namespace ortavel
