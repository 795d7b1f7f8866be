#pragma once

#include <QTemporaryDir>

#include <optional>
#include <string>

namespace ortavel::test {

// A PostgreSQL server of its own for a test or a benchmark: a new cluster in
// a temporary folder, reached only through a Unix socket there, with trust
// authentication. Run as the `postgres` user when the caller is root, since
// the server refuses root. Stopped and removed with the object.
class PostgresServer {
public:
    // `durable`: fsync as in production (benchmarks); tests go without.
    explicit PostgresServer(bool durable = false);
    ~PostgresServer();
    PostgresServer(const PostgresServer &) = delete;
    PostgresServer &operator=(const PostgresServer &) = delete;

    // Makes the cluster on the first call; true once it takes connections.
    bool start();
    bool stop();
    bool isRunning() const { return m_running; }
    // A new empty database, as the libpq connection string of a history
    // place ("host=... port=... dbname=... user=...").
    std::optional<std::string> createDatabase();
    const std::string &error() const { return m_error; }
    std::string socketFolder() const;
    static constexpr int kPort = 5432;
    static constexpr const char *kUser = "ortavel";

private:
    bool run(const std::string &program, const QStringList &arguments);

    bool m_durable;
    QTemporaryDir m_dir;
    std::string m_bin;
    bool m_initialised = false;
    bool m_running = false;
    int m_databases = 0;
    std::string m_error;
};

} // namespace ortavel::test
