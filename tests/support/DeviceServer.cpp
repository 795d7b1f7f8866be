#include "DeviceServer.h"

#include <QFile>
#include <QFileInfo>
#include <QTcpServer>
#include <QThread>

namespace ortavel::test {

namespace {

// A loopback port nobody listens on now.
int freePort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

// Read from the kernel's table: a trial connection would make ser2net open
// the device and refuse the test's own connection while it closes it again.
bool listening(int port)
{
    QFile table("/proc/net/tcp");
    if (!table.open(QIODevice::ReadOnly))
        return false;
    const QByteArray local = ":" + QByteArray::number(port, 16).toUpper().rightJustified(4, '0');
    for (const QByteArray &line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() > 3 && fields[1].endsWith(local) && fields[3] == "0A")
            return true;
    }
    return false;
}

} // namespace

DeviceServer::~DeviceServer()
{
    stop();
}

bool DeviceServer::start(const std::string &device, const std::string &rawDevice)
{
    const QString program = "/usr/sbin/ser2net";
    if (!QFileInfo::exists(program)) {
        m_error = "ser2net is not installed (Debian package ser2net)";
        return false;
    }
    // Started again, it listens where it did: the links stay the same.
    if (m_rawPort == 0) {
        m_rawPort = freePort();
        m_rfc2217Port = freePort();
    }
    // ser2net keeps no lock file of its own here: the device is a test's.
    const QString line = QFileInfo(QString::fromStdString(device)).canonicalFilePath();
    const QString rawLine = rawDevice.empty() ? line : QFileInfo(QString::fromStdString(rawDevice)).canonicalFilePath();
    const QString config = QString("connection: &raw\n"
                                   "  accepter: tcp,127.0.0.1,%1\n"
                                   "  connector: serialdev,%4,9600n81,local\n"
                                   "connection: &rfc2217\n"
                                   "  accepter: telnet(rfc2217),tcp,127.0.0.1,%2\n"
                                   "  connector: serialdev,%3,9600n81,local\n")
                               .arg(m_rawPort)
                               .arg(m_rfc2217Port)
                               .arg(line, rawLine);
    QFile file(m_dir.filePath("ser2net.yaml"));
    if (!m_dir.isValid() || !file.open(QIODevice::WriteOnly) || file.write(config.toUtf8()) < 0) {
        m_error = "cannot write the ser2net configuration";
        return false;
    }
    file.close();
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(program, {"-n", "-c", file.fileName(), "-P", m_dir.filePath("ser2net.pid")});
    if (!m_process.waitForStarted(5000)) {
        m_error = "ser2net did not start: " + m_process.errorString().toStdString();
        return false;
    }
    for (int i = 0; i < 100; ++i) {
        if (m_process.state() != QProcess::Running)
            break;
        if (listening(m_rawPort) && listening(m_rfc2217Port))
            return true;
        QThread::msleep(50);
    }
    m_error = "ser2net does not listen: " + m_process.readAll().toStdString();
    stop();
    return false;
}

void DeviceServer::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.kill();
    m_process.waitForFinished(5000);
}

std::string DeviceServer::rawUrl() const
{
    return "tcp://127.0.0.1:" + std::to_string(m_rawPort);
}

std::string DeviceServer::rfc2217Url() const
{
    return "rfc2217://127.0.0.1:" + std::to_string(m_rfc2217Port);
}

} // namespace ortavel::test
