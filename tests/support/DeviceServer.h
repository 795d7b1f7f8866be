#pragma once

#include <QProcess>
#include <QTemporaryDir>

#include <string>

namespace ortavel::test {

// A real serial device server for a test: ser2net in a temporary folder, in
// front of one serial device, listening on loopback both raw and with
// Telnet COM port control. Stopped with the object.
class DeviceServer {
public:
    DeviceServer() = default;
    ~DeviceServer();
    DeviceServer(const DeviceServer &) = delete;
    DeviceServer &operator=(const DeviceServer &) = delete;

    // True once both ports take connections; the raw one in front of
    // rawDevice when given. One device serves one connection at a time.
    bool start(const std::string &device, const std::string &rawDevice = {});
    void stop();
    // "tcp://127.0.0.1:PORT" and "rfc2217://127.0.0.1:PORT".
    std::string rawUrl() const;
    std::string rfc2217Url() const;
    const std::string &error() const { return m_error; }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    int m_rawPort = 0;
    int m_rfc2217Port = 0;
    std::string m_error;
};

} // namespace ortavel::test
