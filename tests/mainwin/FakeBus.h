#pragma once

#include "link/LineSettings.h"
#include "support/FakeSerialPort.h"

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace ortavel::test {

// Its rates and the data it answers to each read; a write stores and echoes.
struct FakeTransmitter {
    std::string address;
    std::set<int> bands;
    std::map<std::string, std::string> values;
    // By letters: left unanswered, answered with a broken checksum.
    std::set<std::string> silent;
    std::set<std::string> garbled;
    // By letters: whole payloads (address and data) instead of the normal one.
    std::map<std::string, std::string> payloadOverride;
    // Reply data for a whole command text, ahead of everything else.
    std::function<std::optional<std::string>(const std::string &command)> script;
    int replyDelayMs = 12;
};

// Transmitters answering only at their rates; logs each request with the rate in force.
class FakeBus {
public:
    struct Request {
        std::string address;
        std::string command;
        std::string settings;
    };

    explicit FakeBus(FakeSerialPort &port) : m_port(port)
    {
        m_port.setResponder([this](const std::string &frame) { return respond(frame); });
    }

    FakeTransmitter &add(const std::string &address, std::set<int> bands)
    {
        FakeTransmitter &transmitter = m_transmitters.emplace_back();
        transmitter.address = address;
        transmitter.bands = std::move(bands);
        return transmitter;
    }

    const std::vector<Request> &requests() const { return m_requests; }
    void clearRequests() { m_requests.clear(); }

    std::vector<std::string> commands() const
    {
        std::vector<std::string> out;
        for (const auto &request : m_requests)
            out.push_back(request.command);
        return out;
    }

    std::string sent() const
    {
        std::string out;
        for (const auto &r : m_requests)
            out += (out.empty() ? "" : " ") + r.address + ":" + r.command;
        return out;
    }

    static std::map<std::string, std::string> typicalValues(const std::string &version)
    {
        return {
            {"TY", "PT100"}, {"VR", version},  {"OL", "+000.0"},   {"OH", "+100.0"}, {"SL", "-010.0"}, {"SH", "+110.0"},
            {"FU", "1"},     {"DL", "+000.0"}, {"DH", "+100.0"},   {"UT", "2"},      {"ID", "SN4711"}, {"DP", "1"},
            {"ZF", "+0123"}, {"FF", "-0045"},  {"RP0", "+012.34"}, {"RT0", "25.46"},
        };
    }

private:
    std::optional<FakeReply> respond(const std::string &frame)
    {
        const auto request = FakeSerialPort::parseRequest(frame);
        if (!request)
            return std::nullopt;
        const auto &[address, command] = *request;
        m_requests.push_back({address, command, m_port.settings()});

        const auto baud = baudOfSettings(m_port.settings());
        const int band = baud ? bandIndexOfBaud(*baud).value_or(-1) : -1;
        for (auto &transmitter : m_transmitters) {
            if (transmitter.address != address || transmitter.bands.count(band) == 0)
                continue;
            const std::string letters = command.substr(0, 2);
            if (transmitter.silent.count(letters) != 0)
                return std::nullopt;
            std::string data;
            if (auto scripted = transmitter.script ? transmitter.script(command) : std::nullopt) {
                data = *scripted;
            } else if (const auto it = transmitter.values.find(command); it != transmitter.values.end()) {
                data = it->second;
            } else if (letters == "AD" && command.size() == 2) {
                data = address;
            } else if (command.size() > 2 && transmitter.values.count(letters) != 0) {
                data = command.substr(2);
                transmitter.values[letters] = data;
            } else {
                return std::nullopt;
            }
            std::string payload = address + data;
            if (const auto it = transmitter.payloadOverride.find(letters); it != transmitter.payloadOverride.end())
                payload = it->second;
            std::string reply = FakeSerialPort::replyFrame(payload);
            if (transmitter.garbled.count(letters) != 0)
                reply[reply.size() - 2] = reply[reply.size() - 2] == '0' ? '1' : '0';
            return FakeReply{reply, transmitter.replyDelayMs};
        }
        return std::nullopt;
    }

    FakeSerialPort &m_port;
    std::deque<FakeTransmitter> m_transmitters;
    std::vector<Request> m_requests;
};

} // namespace ortavel::test
