#pragma once

#include "support/FakeSerialPort.h"

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace ortavel::test {

// One transmitter on the fake bus: the rates it listens at and the data it
// answers to each read command. A write stores its value and echoes it.
struct FakeTransmitter {
    std::string address;
    std::set<int> bands;
    std::map<std::string, std::string> values;
    // Commands (by letters) it leaves unanswered, or answers with a broken
    // checksum.
    std::set<std::string> silent;
    std::set<std::string> garbled;
    // Whole reply payloads (address and data) given instead of the normal one.
    std::map<std::string, std::string> payloadOverride;
    // Reply data for a whole command text, ahead of everything else.
    std::function<std::optional<std::string>(const std::string &command)> script;
};

// Plays several transmitters on one FakeSerialPort, each answering only at
// its own rates, and logs every request with the rate in force.
class FakeBus {
public:
    struct Request {
        std::string address;
        std::string command;
        std::string settings;
    };

    explicit FakeBus(FakeSerialPort &port);

    FakeTransmitter &add(const std::string &address, std::set<int> bands);
    FakeTransmitter &at(const std::string &address);

    const std::vector<Request> &requests() const { return m_requests; }
    void clearRequests() { m_requests.clear(); }
    // The command texts of the requests, in order.
    std::vector<std::string> commands() const;
    // The requests as "address:command", space-separated.
    std::string sent() const;

    // A transmitter that reports the given version and a full set of values.
    static std::map<std::string, std::string> typicalValues(const std::string &version);

private:
    std::optional<FakeReply> respond(const std::string &frame);

    FakeSerialPort &m_port;
    std::deque<FakeTransmitter> m_transmitters;
    std::vector<Request> m_requests;
};

} // namespace ortavel::test
