#include "LinkPort.h"

#include "link/LatencyTimer.h"
#include "link/PortMap.h"
#include "text/OperatorText.h"

#if ORTAVEL_NETWORK
#include "NetworkSerialPort.h"
#endif

namespace ortavel {

#if !ORTAVEL_NETWORK
// Without network links the pointer stays empty; its type need only be
// complete where LinkPort is destroyed.
class NetworkSerialPort {};
#endif

LinkPort::LinkPort(const PortMap &portMap) : m_portMap(portMap), m_device(portMap) {}

LinkPort::~LinkPort() = default;

bool LinkPort::fail(const std::string &description)
{
    m_error = description;
    return false;
}

SerialPort &LinkPort::active()
{
    if (m_echo)
        return *m_echo;
    return m_device;
}

const SerialPort &LinkPort::active() const
{
    if (m_echo)
        return *m_echo;
    return m_device;
}

void LinkPort::putEchoInFront(SerialPort &link)
{
    m_echo = std::make_unique<EchoFilter>(link, m_clock, m_address.echo);
    m_echo->onLineFault = [this](const std::string &fault) {
        if (onLineFault)
            onLineFault(fault);
    };
}

bool LinkPort::openDevice(const std::string &text)
{
    if (isOpen())
        return fail(OT_TR("Ortavel", "Port already open"));
    std::string error;
    const auto address = parsePortAddress(text, error);
    if (!address)
        return fail(fill(OT_TR("Ortavel", "%1: %2"), {text, error}));
    const std::string settings = active().settings();
    m_address = *address;
    if (!address->isNetwork()) {
        m_device.setSettings(settings);
        putEchoInFront(m_device);
        return m_device.openDevice(address->device) || fail(m_device.errorString());
    }
#if ORTAVEL_NETWORK
    if (!m_network)
        m_network = std::make_unique<NetworkSerialPort>();
    // A raw server's rate is its own; any other link takes the rate in use.
    if (!address->fixedBaud)
        m_network->setSettings(settings);
    putEchoInFront(*m_network);
    return m_network->openAddress(*address) || fail(m_network->errorString());
#else
    m_address = PortAddress();
    return fail(fill(OT_TR("Ortavel", "%1: this build has no network links"), {text}));
#endif
}

bool LinkPort::isOpen() const
{
    return active().isOpen();
}

bool LinkPort::open()
{
    return openDevice(m_portMap.devicePath(m_number));
}

bool LinkPort::close()
{
    return active().close() || fail(active().errorString());
}

int LinkPort::portNumber() const
{
    return m_number;
}

bool LinkPort::setPortNumber(int number)
{
    if (isOpen())
        return fail(OT_TR("Ortavel", "Operation valid only when the port is closed"));
    if (!m_device.setPortNumber(number))
        return fail(m_device.errorString());
    m_number = number;
    return true;
}

std::string LinkPort::settings() const
{
    return active().settings();
}

bool LinkPort::setSettings(const std::string &settings)
{
    return active().setSettings(settings) || fail(active().errorString());
}

bool LinkPort::discardInput()
{
    return active().discardInput() || fail(active().errorString());
}

bool LinkPort::discardOutput()
{
    return active().discardOutput() || fail(active().errorString());
}

bool LinkPort::write(const std::string &bytes)
{
    return active().write(bytes) || fail(active().errorString());
}

std::string LinkPort::readAvailable()
{
    return active().readAvailable();
}

bool LinkPort::setTextInputMode()
{
    return active().setTextInputMode() || fail(active().errorString());
}

bool LinkPort::setReadLength(int length)
{
    return active().setReadLength(length) || fail(active().errorString());
}

bool LinkPort::setReceiveThreshold(int threshold)
{
    return active().setReceiveThreshold(threshold) || fail(active().errorString());
}

bool LinkPort::setSendThreshold(int threshold)
{
    return active().setSendThreshold(threshold) || fail(active().errorString());
}

WaitResult LinkPort::waitForInput(int timeoutMs)
{
    const WaitResult result = active().waitForInput(timeoutMs);
    if (result == WaitResult::Failed)
        m_error = active().errorString();
    return result;
}

std::string LinkPort::errorString() const
{
    return m_error;
}

std::string LinkPort::deviceName(int number) const
{
    const std::string text = m_portMap.devicePath(number);
    std::string error;
    const auto address = parsePortAddress(text, error);
    return address ? address->target() : text;
}

std::string LinkPort::linkDetails(int number) const
{
    return details(m_portMap.devicePath(number));
}

std::string LinkPort::details(const std::string &text)
{
    std::string error;
    const auto address = parsePortAddress(text, error);
    if (!address)
        return fill(OT_TR("Ortavel", "not a port: %1"), {error});
    std::string shown = address->linkText();
    if (address->isNetwork())
        return shown;
    if (const int latency = latencyAllowanceMs("/sys", address->device); latency > 0)
        shown = fill(OT_TR("Ortavel", "%1, latency timer %2 ms (added to the quick search's wait)"),
                     {shown, std::to_string(latency)});
    return shown;
}

int LinkPort::allowanceMs() const
{
    return m_address.allowanceMs;
}

int LinkPort::latencyMs() const
{
    return active().latencyMs();
}

std::optional<int> LinkPort::fixedBaud() const
{
    return active().fixedBaud();
}

} // namespace ortavel
