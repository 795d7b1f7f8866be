#include "PostgresServer.h"

#include <QCollator>
#include <QDir>
#include <QProcess>

#include <pwd.h>
#include <unistd.h>

#include <algorithm>

namespace ortavel::test {

namespace {

// The newest PostgreSQL that Debian's packages installed.
std::string findBin()
{
    QStringList versions = QDir("/usr/lib/postgresql").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCollator numeric;
    numeric.setNumericMode(true);
    std::sort(versions.begin(), versions.end(), numeric);
    for (auto it = versions.rbegin(); it != versions.rend(); ++it) {
        const QString bin = "/usr/lib/postgresql/" + *it + "/bin";
        if (QFile::exists(bin + "/initdb") && QFile::exists(bin + "/pg_ctl"))
            return bin.toStdString();
    }
    return {};
}

} // namespace

PostgresServer::PostgresServer(bool durable) : m_durable(durable), m_bin(findBin()) {}

PostgresServer::~PostgresServer()
{
    stop();
}

std::string PostgresServer::socketFolder() const
{
    return m_dir.path().toStdString();
}

bool PostgresServer::run(const std::string &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    QStringList command{QString::fromStdString(m_bin + "/" + program)};
    command += arguments;
    // The server and its tools refuse to run as root.
    if (geteuid() == 0)
        command = QStringList{"runuser", "-u", "postgres", "--"} + command;
    process.start(command.takeFirst(), command);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        m_error =
            program + " failed: " + process.readAll().trimmed().toStdString() + process.errorString().toStdString();
        return false;
    }
    return true;
}

bool PostgresServer::start()
{
    if (m_running)
        return true;
    if (m_bin.empty()) {
        m_error = "PostgreSQL is not installed: no initdb and pg_ctl under /usr/lib/postgresql/*/bin "
                  "(install the postgresql package)";
        return false;
    }
    if (!m_dir.isValid()) {
        m_error = "no temporary folder: " + m_dir.errorString().toStdString();
        return false;
    }
    if (geteuid() == 0) {
        const passwd *owner = getpwnam("postgres");
        if (!owner || chown(m_dir.path().toLocal8Bit().constData(), owner->pw_uid, owner->pw_gid) != 0) {
            m_error = "running as root, but the folder cannot be given to a postgres user";
            return false;
        }
    }
    const QString data = m_dir.path() + "/data";
    if (!m_initialised && !run("initdb", {"-D", data, "-U", kUser, "--auth=trust", "--no-sync", "-E", "UTF8"}))
        return false;
    m_initialised = true;
    QString options = "-k " + m_dir.path() + " -c listen_addresses='' -p " + QString::number(kPort);
    if (!m_durable)
        options += " -c fsync=off -c synchronous_commit=off -c full_page_writes=off";
    m_running = run("pg_ctl", {"start", "-w", "-D", data, "-l", m_dir.path() + "/log", "-o", options});
    return m_running;
}

bool PostgresServer::stop()
{
    if (!m_running)
        return true;
    m_running = !run("pg_ctl", {"stop", "-w", "-m", "fast", "-D", m_dir.path() + "/data"});
    return !m_running;
}

std::optional<std::string> PostgresServer::createDatabase()
{
    const std::string name = "history" + std::to_string(++m_databases);
    if (!start() ||
        !run("createdb", {"-h", m_dir.path(), "-p", QString::number(kPort), "-U", kUser, QString::fromStdString(name)}))
        return std::nullopt;
    return "host=" + socketFolder() + " port=" + std::to_string(kPort) + " dbname=" + name + " user=" + kUser;
}

} // namespace ortavel::test
