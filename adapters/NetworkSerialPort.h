#pragma once

#include "TelnetComPort.h"
#include "link/PortAddress.h"
#include "link/SerialPort.h"

#include <QTcpSocket>

#include <string_view>

namespace ortavel {

// A serial line at a device server, over TCP: raw (the server's line
// settings are its own, the rate fixed) or with Telnet COM port control
// (the line settings and the purges go to the server). Connecting gives up
// after 3 s, a write after 1 s; a lost connection closes the port.
class NetworkSerialPort final : public SerialPort {
public:
    NetworkSerialPort();
    ~NetworkSerialPort() override;
    NetworkSerialPort(const NetworkSerialPort &) = delete;
    NetworkSerialPort &operator=(const NetworkSerialPort &) = delete;

    // Connects to a tcp:// or rfc2217:// address.
    bool openAddress(const PortAddress &address);

    bool isOpen() const override;
    bool open() override;
    bool close() override;
    int portNumber() const override;
    bool setPortNumber(int number) override;
    std::string settings() const override;
    bool setSettings(const std::string &settings) override;
    bool discardInput() override;
    bool discardOutput() override;
    bool write(const std::string &bytes) override;
    std::string readAvailable() override;
    bool setTextInputMode() override;
    bool setReadLength(int length) override;
    bool setReceiveThreshold(int threshold) override;
    bool setSendThreshold(int threshold) override;
    WaitResult waitForInput(int timeoutMs) override;
    std::string errorString() const override;
    int allowanceMs() const override;
    std::optional<int> fixedBaud() const override;

    static constexpr int kConnectTimeoutMs = 3000;
    static constexpr int kWriteTimeoutMs = 1000;
    // How long a rate change waits for the server to confirm it; a server
    // that never does is not waited for again.
    static constexpr int kAcknowledgeWaitMs = 300;

private:
    bool fail(const std::string &description);
    // The pattern names the target as %1 ("Lost the connection to %1").
    bool lose(std::string_view pattern);
    bool closedFailure();
    bool send(const std::string &bytes);
    // Moves what the socket holds into m_input; false once the connection is gone.
    bool take();
    bool applySettings();
    bool telnet() const { return m_address.kind == LinkKind::Rfc2217; }

    QTcpSocket m_socket;
    PortAddress m_address;
    TelnetComPort m_codec;
    std::string m_input;
    std::string m_settings = "9600,N,8,1";
    std::string m_error;
    std::string m_lost;
    int m_number = 1;
    bool m_open = false;
    bool m_serverAcknowledges = true;
};

} // namespace ortavel
