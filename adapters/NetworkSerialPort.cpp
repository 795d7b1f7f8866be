#include "NetworkSerialPort.h"

#include "link/LineSettings.h"
#include "text/OperatorText.h"

#include <QElapsedTimer>

namespace ortavel {

NetworkSerialPort::NetworkSerialPort() = default;

NetworkSerialPort::~NetworkSerialPort()
{
    m_socket.abort();
}

bool NetworkSerialPort::fail(const std::string &description)
{
    m_error = description;
    return false;
}

// The line is gone: the port closes, so that nothing is sent after it.
bool NetworkSerialPort::lose(std::string_view pattern)
{
    const std::string reason = m_socket.errorString().toStdString();
    m_socket.abort();
    m_open = false;
    m_input.clear();
    m_lost = fill(pattern, {m_address.target()});
    if (!reason.empty())
        m_lost = fill(OT_TR("Ortavel", "%1: %2"), {m_lost, reason});
    return fail(m_lost);
}

// What went wrong stays the reason until the port is opened again.
bool NetworkSerialPort::closedFailure()
{
    return fail(m_lost.empty() ? OT_TR("Ortavel", "Port is closed") : m_lost);
}

bool NetworkSerialPort::openAddress(const PortAddress &address)
{
    if (m_open)
        return fail(OT_TR("Ortavel", "Port already open"));
    if (!address.isNetwork())
        return fail(fill(OT_TR("Ortavel", "Not a network link: %1"), {address.target()}));
    m_address = address;
    m_lost.clear();
    m_codec = TelnetComPort();
    m_input.clear();
    m_serverAcknowledges = true;
    m_socket.abort();
    m_socket.connectToHost(QString::fromStdString(address.host), static_cast<quint16>(address.tcpPort));
    if (!m_socket.waitForConnected(kConnectTimeoutMs)) {
        const std::string reason = m_socket.errorString().toStdString();
        m_socket.abort();
        return fail(fill(OT_TR("Ortavel", "Cannot connect to %1 within %2 s: %3"),
                         {address.target(), std::to_string(kConnectTimeoutMs / 1000), reason}));
    }
    // A request is a few bytes; it must not wait for more to fill a packet.
    m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    m_open = true;
    if (address.fixedBaud)
        m_settings = lineSettingsText(std::to_string(*address.fixedBaud));
    if (telnet() && (!send(m_codec.greeting()) || !applySettings()))
        return false;
    return true;
}

bool NetworkSerialPort::isOpen() const
{
    return m_open;
}

bool NetworkSerialPort::open()
{
    return m_address.isNetwork() ? openAddress(m_address) : fail(OT_TR("Ortavel", "No network link chosen"));
}

bool NetworkSerialPort::close()
{
    if (!m_open)
        return fail(OT_TR("Ortavel", "Port already closed"));
    m_socket.disconnectFromHost();
    if (m_socket.state() != QAbstractSocket::UnconnectedState)
        m_socket.waitForDisconnected(kWriteTimeoutMs);
    m_socket.abort();
    m_open = false;
    m_input.clear();
    return true;
}

int NetworkSerialPort::portNumber() const
{
    return m_number;
}

bool NetworkSerialPort::setPortNumber(int number)
{
    if (m_open)
        return fail(OT_TR("Ortavel", "Operation valid only when the port is closed"));
    m_number = number;
    return true;
}

std::string NetworkSerialPort::settings() const
{
    return m_settings;
}

bool NetworkSerialPort::setSettings(const std::string &settings)
{
    const auto config = parseLineSettings(settings);
    if (!config)
        return fail(OT_TR("Ortavel", "Invalid property value"));
    if (m_address.fixedBaud && config->baud != *m_address.fixedBaud)
        return fail(
            fill(OT_TR("Ortavel", "The rate of %1 is set at its server (%2 baud); it cannot be changed from here"),
                 {m_address.target(), std::to_string(*m_address.fixedBaud)}));
    m_settings = settings;
    return !m_open || !telnet() || applySettings();
}

bool NetworkSerialPort::applySettings()
{
    const auto config = parseLineSettings(m_settings);
    if (!config)
        return fail(OT_TR("Ortavel", "Invalid property value"));
    const std::uint32_t before = m_codec.baudAcknowledgements();
    if (!send(TelnetComPort::lineSettings(*config)))
        return false;
    // Data sent before the server has the new rate would go out at the old.
    QElapsedTimer timer;
    timer.start();
    // A server that refused COM port control will not answer either.
    while (m_serverAcknowledges && !m_codec.comPortRefused() && m_codec.baudAcknowledgements() == before) {
        const auto left = static_cast<int>(kAcknowledgeWaitMs - timer.elapsed());
        if (left <= 0) {
            m_serverAcknowledges = false;
            break;
        }
        if (!m_socket.waitForReadyRead(left) && m_socket.state() != QAbstractSocket::ConnectedState)
            return lose(OT_TR("Ortavel", "Lost the connection to %1"));
        if (!take())
            return false;
    }
    return true;
}

bool NetworkSerialPort::send(const std::string &bytes)
{
    if (!m_open)
        return closedFailure();
    const auto size = static_cast<qint64>(bytes.size());
    if (m_socket.write(bytes.data(), size) != size)
        return lose(OT_TR("Ortavel", "Cannot write to %1"));
    while (m_socket.bytesToWrite() > 0) {
        if (!m_socket.waitForBytesWritten(kWriteTimeoutMs))
            return lose(m_socket.state() == QAbstractSocket::ConnectedState
                            ? OT_TR("Ortavel", "Writing took longer than 1 s to %1")
                            : OT_TR("Ortavel", "Lost the connection to %1"));
    }
    return true;
}

bool NetworkSerialPort::take()
{
    const QByteArray bytes = m_socket.readAll();
    if (telnet()) {
        std::string reply;
        m_input += m_codec.feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), reply);
        if (!reply.empty() && !send(reply))
            return false;
    } else {
        m_input.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }
    if (m_socket.state() != QAbstractSocket::ConnectedState)
        return lose(OT_TR("Ortavel", "Lost the connection to %1"));
    return true;
}

bool NetworkSerialPort::discardInput()
{
    if (!m_open)
        return closedFailure();
    // What is on its way is read and dropped, so the server's answers in it
    // are still heard; the purge empties what the server still holds.
    m_socket.waitForReadyRead(0);
    if (!take())
        return false;
    m_input.clear();
    return !telnet() || send(TelnetComPort::purge(TelnetComPort::Purge::Received));
}

bool NetworkSerialPort::discardOutput()
{
    if (!m_open)
        return closedFailure();
    // Every write has left for the server before it returned.
    return !telnet() || send(TelnetComPort::purge(TelnetComPort::Purge::ToSend));
}

bool NetworkSerialPort::write(const std::string &bytes)
{
    return send(telnet() ? TelnetComPort::data(bytes) : bytes);
}

std::string NetworkSerialPort::readAvailable()
{
    if (!m_open)
        return {};
    if (m_socket.bytesAvailable() > 0)
        take();
    std::string bytes;
    bytes.swap(m_input);
    return bytes;
}

bool NetworkSerialPort::setTextInputMode()
{
    return true;
}

bool NetworkSerialPort::setReadLength(int length)
{
    return length >= 0 || fail(OT_TR("Ortavel", "Invalid property value"));
}

bool NetworkSerialPort::setReceiveThreshold(int threshold)
{
    return threshold >= 0 || fail(OT_TR("Ortavel", "Invalid property value"));
}

bool NetworkSerialPort::setSendThreshold(int threshold)
{
    return threshold >= 0 || fail(OT_TR("Ortavel", "Invalid property value"));
}

WaitResult NetworkSerialPort::waitForInput(int timeoutMs)
{
    if (!m_open) {
        closedFailure();
        return WaitResult::Failed;
    }
    QElapsedTimer timer;
    timer.start();
    // Negotiation alone is no input: wait on until data or the time is up.
    for (;;) {
        if (m_socket.bytesAvailable() > 0 && !take())
            return WaitResult::Failed;
        if (!m_input.empty())
            return WaitResult::Ready;
        const auto left = static_cast<int>(timeoutMs - timer.elapsed());
        if (left < 0 || (left == 0 && timeoutMs > 0))
            return WaitResult::Timeout;
        if (!m_socket.waitForReadyRead(left)) {
            if (m_socket.state() != QAbstractSocket::ConnectedState) {
                lose(OT_TR("Ortavel", "Lost the connection to %1"));
                return WaitResult::Failed;
            }
            if (m_socket.bytesAvailable() == 0)
                return WaitResult::Timeout;
        }
    }
}

std::string NetworkSerialPort::errorString() const
{
    return m_error;
}

int NetworkSerialPort::allowanceMs() const
{
    return m_address.allowanceMs;
}

std::optional<int> NetworkSerialPort::fixedBaud() const
{
    return m_address.fixedBaud;
}

} // namespace ortavel
