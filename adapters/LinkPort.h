#pragma once

#include "SystemSerialPort.h"
#include "link/EchoFilter.h"
#include "link/PortAddress.h"
#include "link/SerialPort.h"
#include "link/SteadyClock.h"

#include <functional>
#include <memory>

namespace ortavel {

class NetworkSerialPort;
class PortMap;

// The port behind a port number as the port map names it: a serial device
// of this computer or a link to a device server, with the port's echo
// setting in front. The choice is made at each open; everything else goes
// to the link chosen.
class LinkPort final : public SerialPort {
public:
    explicit LinkPort(const PortMap &portMap);
    ~LinkPort() override;
    LinkPort(const LinkPort &) = delete;
    LinkPort &operator=(const LinkPort &) = delete;

    // Opens what a text names, bypassing the port number (command line).
    bool openDevice(const std::string &text);

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
    std::string deviceName(int number) const override;
    std::string linkDetails(int number) const override;
    int allowanceMs() const override;
    int latencyMs() const override;
    std::optional<int> fixedBaud() const override;

    // How a port text is reached, for the operator: the kind of link, its
    // options and a USB adapter's latency timer; or why it is no port.
    static std::string details(const std::string &text);

    // Told once per opening when a port set to echo "on" gets no echo.
    std::function<void(const std::string &)> onLineFault;

private:
    bool fail(const std::string &description);
    void putEchoInFront(SerialPort &link);
    SerialPort &active();
    const SerialPort &active() const;

    const PortMap &m_portMap;
    SteadyClock m_clock;
    SystemSerialPort m_device;
    std::unique_ptr<NetworkSerialPort> m_network;
    // In front of the link opened last; none before the first opening.
    std::unique_ptr<EchoFilter> m_echo;
    PortAddress m_address;
    int m_number = 1;
    std::string m_error;
};

} // namespace ortavel
