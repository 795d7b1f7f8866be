#include "SerialPortQt.h"

#include "DevicePermission.h"
#include "LineSettingsParse.h"
#include "link/PortMap.h"

#include "link/LatencyTimer.h"
#include "text/OperatorText.h"

#include <QFileInfo>

#ifdef __linux__
#include <linux/serial.h>
#include <sys/ioctl.h>
#endif

namespace ortavel {

namespace {
constexpr int kWriteTimeoutMs = 1000;

QSerialPort::Parity qtParity(LineParity parity)
{
    switch (parity) {
    case LineParity::Even:
        return QSerialPort::EvenParity;
    case LineParity::Odd:
        return QSerialPort::OddParity;
    case LineParity::Mark:
        return QSerialPort::MarkParity;
    case LineParity::Space:
        return QSerialPort::SpaceParity;
    case LineParity::None:
        break;
    }
    return QSerialPort::NoParity;
}

QSerialPort::StopBits qtStopBits(LineStopBits stopBits)
{
    switch (stopBits) {
    case LineStopBits::OneAndHalf:
        return QSerialPort::OneAndHalfStop;
    case LineStopBits::Two:
        return QSerialPort::TwoStop;
    case LineStopBits::One:
        break;
    }
    return QSerialPort::OneStop;
}

constexpr int kFirstPort = 1;
constexpr int kLastPort = 6;
} // namespace

SerialPortQt::SerialPortQt(const PortMap &portMap) : m_portMap(portMap)
{
    // A vanished device makes QSerialPort report errors in a tight loop
    // while the event loop runs; closing the port ends that. The close waits
    // until QSerialPort's own call has returned. Only fatal reports are
    // queued: the routine ones of every wait would pile up in a program
    // that never runs an event loop.
    QObject::connect(&m_port, &QSerialPort::errorOccurred, &m_port, [this](QSerialPort::SerialPortError error) {
        if (error != QSerialPort::ResourceError && error != QSerialPort::ReadError)
            return;
        const unsigned opening = m_openings;
        QMetaObject::invokeMethod(
            &m_port, [this, opening] { dropOnFatalError(opening); }, Qt::QueuedConnection);
    });
}

SerialPortQt::~SerialPortQt() = default;

void SerialPortQt::dropOnFatalError(unsigned opening)
{
    // A port opened again since the report belongs to a new line.
    if (opening == m_openings && m_port.isOpen()) {
        m_error = m_port.errorString().toStdString();
        m_port.close();
    }
}

bool SerialPortQt::fail(const std::string &description)
{
    m_error = description;
    return false;
}

bool SerialPortQt::failFromPort()
{
    const QSerialPort::SerialPortError error = m_port.error();
    m_error = m_port.errorString().toStdString();
    if ((error == QSerialPort::ResourceError || error == QSerialPort::ReadError || error == QSerialPort::WriteError) &&
        m_port.isOpen())
        m_port.close();
    return false;
}

bool SerialPortQt::isOpen() const
{
    return m_port.isOpen();
}

bool SerialPortQt::openDevice(const std::string &path)
{
    if (m_port.isOpen())
        return fail(OT_TR("Ortavel", "Port already open"));
    // QSerialPort's lock file is named after the path it is given; the
    // device behind a link is what another program locks.
    const QString given = QString::fromStdString(path);
    const QString canonical = QFileInfo(given).canonicalFilePath();
    const QString device = canonical.isEmpty() ? given : canonical;
    m_port.setPortName(device);
    m_port.clearError();
    if (!m_port.open(QIODevice::ReadWrite)) {
        failFromPort();
        // Qt's permission error also stands for a lock held by another
        // program; only a refused access gets the remedy.
        if (m_port.error() == QSerialPort::PermissionError) {
            if (const std::string remedy = permissionRemedy(device.toStdString()); !remedy.empty())
                m_error = joinTexts({m_error, remedy}, "\n");
        }
        return false;
    }
    if (!applySettings()) {
        const std::string description = m_error;
        m_port.close();
        return fail(description);
    }
    askForLowLatency();
    m_latencyMs = latencyAllowanceMs("/sys", device.toStdString());
    ++m_openings;
    return true;
}

// Common USB chips then hand on what they received after 1 ms instead of
// 16. A device without the setting (a pseudo-terminal, a built-in port
// whose driver refuses) stays as it is.
void SerialPortQt::askForLowLatency()
{
#ifdef __linux__
    const auto fd = static_cast<int>(m_port.handle());
    serial_struct serial{};
    if (fd < 0 || ::ioctl(fd, TIOCGSERIAL, &serial) != 0)
        return;
    serial.flags |= ASYNC_LOW_LATENCY;
    ::ioctl(fd, TIOCSSERIAL, &serial);
#endif
}

int SerialPortQt::latencyMs() const
{
    return m_latencyMs;
}

bool SerialPortQt::open()
{
    return openDevice(m_portMap.devicePath(m_number));
}

bool SerialPortQt::close()
{
    if (!m_port.isOpen())
        return fail(OT_TR("Ortavel", "Port already closed"));
    m_port.close();
    return true;
}

int SerialPortQt::portNumber() const
{
    return m_number;
}

bool SerialPortQt::setPortNumber(int number)
{
    if (m_port.isOpen())
        return fail(OT_TR("Ortavel", "Operation valid only when the port is closed"));
    if (number < kFirstPort || number > kLastPort)
        return fail(OT_TR("Ortavel", "Invalid port number"));
    m_number = number;
    return true;
}

std::string SerialPortQt::settings() const
{
    return m_settings;
}

bool SerialPortQt::setSettings(const std::string &settings)
{
    if (!parseLineSettings(settings))
        return fail(OT_TR("Ortavel", "Invalid property value"));
    m_settings = settings;
    return !m_port.isOpen() || applySettings();
}

bool SerialPortQt::applySettings()
{
    const auto config = parseLineSettings(m_settings);
    if (!config)
        return fail(OT_TR("Ortavel", "Invalid property value"));
    m_port.clearError();
    if (!m_port.setBaudRate(config->baud) || !m_port.setParity(qtParity(config->parity)) ||
        !m_port.setDataBits(static_cast<QSerialPort::DataBits>(config->dataBits)) ||
        !m_port.setStopBits(qtStopBits(config->stopBits)))
        return failFromPort();
    return true;
}

bool SerialPortQt::discardInput()
{
    if (!m_port.isOpen())
        return fail(OT_TR("Ortavel", "Port is closed"));
    return m_port.clear(QSerialPort::Input) || failFromPort();
}

bool SerialPortQt::discardOutput()
{
    if (!m_port.isOpen())
        return fail(OT_TR("Ortavel", "Port is closed"));
    return m_port.clear(QSerialPort::Output) || failFromPort();
}

bool SerialPortQt::write(const std::string &bytes)
{
    if (!m_port.isOpen())
        return fail(OT_TR("Ortavel", "Port is closed"));
    m_port.clearError();
    const auto size = static_cast<qint64>(bytes.size());
    if (m_port.write(bytes.data(), size) != size)
        return failFromPort();
    while (m_port.bytesToWrite() > 0) {
        if (!m_port.waitForBytesWritten(kWriteTimeoutMs))
            return failFromPort();
    }
    return true;
}

std::string SerialPortQt::readAvailable()
{
    if (!m_port.isOpen())
        return {};
    const QByteArray data = m_port.readAll();
    return data.toStdString();
}

bool SerialPortQt::setTextInputMode()
{
    return true;
}

bool SerialPortQt::setReadLength(int length)
{
    return length >= 0 || fail(OT_TR("Ortavel", "Invalid property value"));
}

bool SerialPortQt::setReceiveThreshold(int threshold)
{
    return threshold >= 0 || fail(OT_TR("Ortavel", "Invalid property value"));
}

bool SerialPortQt::setSendThreshold(int threshold)
{
    return threshold >= 0 || fail(OT_TR("Ortavel", "Invalid property value"));
}

WaitResult SerialPortQt::waitForInput(int timeoutMs)
{
    if (!m_port.isOpen()) {
        fail(OT_TR("Ortavel", "Port is closed"));
        return WaitResult::Failed;
    }
    if (m_port.bytesAvailable() > 0)
        return WaitResult::Ready;
    m_port.clearError();
    if (m_port.waitForReadyRead(timeoutMs))
        return WaitResult::Ready;
    const QSerialPort::SerialPortError error = m_port.error();
    if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError)
        return WaitResult::Timeout;
    failFromPort();
    return WaitResult::Failed;
}

std::string SerialPortQt::errorString() const
{
    return m_error;
}

std::string SerialPortQt::deviceName(int number) const
{
    return m_portMap.devicePath(number);
}

} // namespace ortavel
