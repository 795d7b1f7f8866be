#pragma once

#include <cstdint>
#include <string>

namespace ortavel {

class Clock;
class SerialPort;

// One request and its reply on the serial port. Every failure is reported
// in the result text only; nothing is retried.
class Exchange {
public:
    Exchange(SerialPort &port, const Clock &clock);

    // Result: "*" + payload + CR, "ERR 0" + CR or "EER 3" + CR.
    std::string Comm_Send(const std::string &send_addr, const std::string &send_comm);

    // The request frame as it goes on the line.
    static std::string requestFrame(const std::string &send_addr, const std::string &send_comm);

    // The last exchange's request frame and the bytes received for it, as
    // they came (empty when nothing was written or received).
    const std::string &lastRequest() const { return m_lastRequest; }
    const std::string &lastReceived() const { return m_lastReceived; }

private:
    std::string collectReply(int timeoutMs, std::int64_t start);

    SerialPort &m_port;
    const Clock &m_clock;
    std::string m_lastRequest;
    std::string m_lastReceived;
};

} // namespace ortavel
