#pragma once

#include "support/FakeClock.h"
#include "support/FakeSerialPort.h"

#include "cli/ExchangeBus.h"

#include <map>
#include <string>
#include <vector>

namespace ortavel::test {

// A transmitter that keeps every value it is given and answers with it.
struct FakeTransmitter {
    std::string address;
    int baud = 9600;
    std::map<std::string, std::string> values;
    bool silent = false;
    std::vector<std::string> rejects; // commands it answers with "*" + address and no data
};

// FakeSerialPort with transmitters behind it that answer only at their own
// rate; an ExchangeBus on top, as the subcommands see the line.
class FakeBus {
public:
    FakeBus();

    FakeTransmitter &add(FakeTransmitter transmitter);
    FakeTransmitter *at(const std::string &address);
    // Command texts sent, in order, without frame.
    std::vector<std::string> commands() const;
    // Stop after this many exchanges (as Ctrl-C would).
    void interruptAfter(int exchanges) { m_interruptAfter = exchanges; }

    FakeClock clock;
    FakeSerialPort port{clock};
    cli::ExchangeBus bus{port, clock};

    // The values of a transmitter with a typical configuration.
    static std::map<std::string, std::string> typicalValues(const std::string &version);

private:
    std::optional<FakeReply> answer(const std::string &frame);

    std::vector<FakeTransmitter> m_transmitters;
    int m_interruptAfter = -1;
};

} // namespace ortavel::test
