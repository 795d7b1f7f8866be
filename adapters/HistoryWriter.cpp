#include "HistoryWriter.h"

#include "SqlErrorText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace ortavel {

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kRetryInterval = std::chrono::seconds(2);
constexpr auto kStopWait = std::chrono::seconds(3);
constexpr std::size_t kBatch = 1000;
constexpr int kSpoolRowsPerDrain = 500;

std::atomic<int> s_spools{0};

QJsonObject toJson(const HistoryEntry &e)
{
    const auto s = [](const std::string &v) { return QString::fromStdString(v); };
    return QJsonObject{{"kind", s(std::string(kindName(e.kind)))},
                       {"timeMs", QString::number(e.timeMs)},
                       {"utcOffsetMinutes", e.utcOffsetMinutes},
                       {"login", s(e.origin.login)},
                       {"operatorName", s(e.origin.operatorName)},
                       {"host", s(e.origin.host)},
                       {"program", s(e.origin.program)},
                       {"port", s(e.port)},
                       {"baud", e.baud},
                       {"address", s(e.address)},
                       {"type", s(e.identity.type)},
                       {"ident", s(e.identity.ident)},
                       {"version", s(e.identity.version)},
                       {"sensorLow", s(e.identity.sensorLow)},
                       {"sensorHigh", s(e.identity.sensorHigh)},
                       {"parameter", s(e.parameter)},
                       {"before", s(e.before)},
                       {"sent", s(e.sent)},
                       {"echo", s(e.echo)},
                       {"result", s(e.result)},
                       {"detail", s(e.detail)}};
}

bool fromJson(const QByteArray &text, HistoryEntry &e)
{
    const QJsonObject o = QJsonDocument::fromJson(text).object();
    const auto s = [&](const char *key) { return o.value(key).toString().toStdString(); };
    bool timeOk = false;
    e.timeMs = o.value("timeMs").toString().toLongLong(&timeOk);
    e.utcOffsetMinutes = o.value("utcOffsetMinutes").toInt();
    e.origin = {s("login"), s("operatorName"), s("host"), s("program")};
    e.port = s("port");
    e.baud = o.value("baud").toInt();
    e.address = s("address");
    e.identity = {s("type"), s("ident"), s("version"), s("sensorLow"), s("sensorHigh")};
    e.parameter = s("parameter");
    e.before = s("before");
    e.sent = s("sent");
    e.echo = s("echo");
    e.result = s("result");
    e.detail = s("detail");
    return timeOk && kindFromName(s("kind"), e.kind);
}

// The local SQLite file where entries wait, in order, for the store. Other
// programs of this user may share it, each taking only its own place's rows.
class Spool {
public:
    Spool(std::string path, const std::string &place)
        : m_path(std::move(path)), m_place(QString::fromStdString(place)),
          m_name(QString("ortavel-spool-%1").arg(++s_spools))
    {
    }
    ~Spool()
    {
        if (!QSqlDatabase::contains(m_name))
            return;
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    Spool(const Spool &) = delete;
    Spool &operator=(const Spool &) = delete;

    bool exists() const { return QFile::exists(QString::fromStdString(m_path)); }
    const std::string &error() const { return m_error; }

    bool put(const std::vector<HistoryEntry> &entries)
    {
        if (!open() || !begin())
            return false;
        QSqlQuery q(db());
        q.prepare("INSERT INTO pending (place, entry) VALUES (?, ?)");
        for (const HistoryEntry &e : entries) {
            q.addBindValue(m_place);
            q.addBindValue(QString::fromUtf8(QJsonDocument(toJson(e)).toJson(QJsonDocument::Compact)));
            if (!q.exec())
                return fail(q.lastError());
        }
        return commit();
    }

    enum class Drain { Empty, Moved, StoreFailed, SpoolFailed };
    // Hands the oldest rows of this place to the store and deletes them in
    // the same spool transaction, once the store has committed them; the
    // immediate lock keeps other programs off these rows meanwhile.
    Drain drain(HistoryStore &store, std::vector<HistoryEntry> &stored)
    {
        if (!open() || !begin())
            return Drain::SpoolFailed;
        QSqlQuery q(db());
        q.prepare("SELECT seq, entry FROM pending WHERE place = ? ORDER BY seq LIMIT " +
                  QString::number(kSpoolRowsPerDrain));
        q.addBindValue(m_place);
        if (!q.exec()) {
            fail(q.lastError());
            return Drain::SpoolFailed;
        }
        qlonglong lastSeq = -1;
        std::vector<qlonglong> unreadable;
        stored.clear();
        while (q.next()) {
            lastSeq = q.value(0).toLongLong();
            HistoryEntry e;
            if (fromJson(q.value(1).toByteArray(), e))
                stored.push_back(std::move(e));
            else
                unreadable.push_back(lastSeq);
        }
        q.finish();
        if (lastSeq < 0) {
            commit();
            return Drain::Empty;
        }
        if (!store.append(stored)) {
            rollback();
            return Drain::StoreFailed;
        }
        // A row no program can read is set aside, not lost and not in the way.
        for (const qlonglong seq : unreadable) {
            q.prepare("INSERT INTO unreadable (seq, place, entry) SELECT seq, place, entry FROM pending WHERE seq = ?");
            q.addBindValue(seq);
            q.exec();
        }
        q.prepare("DELETE FROM pending WHERE place = ? AND seq <= ?");
        q.addBindValue(m_place);
        q.addBindValue(lastSeq);
        if (!q.exec() || !commit()) {
            // Stored but still spooled: they would go up twice. Nothing
            // else can be done here; the reason shows in trouble().
            fail(q.lastError());
            return Drain::SpoolFailed;
        }
        return Drain::Moved;
    }

    std::optional<int> count()
    {
        if (!exists() || !open())
            return exists() ? std::nullopt : std::optional<int>(0);
        QSqlQuery q(db());
        q.prepare("SELECT COUNT(*) FROM pending WHERE place = ?");
        q.addBindValue(m_place);
        if (!q.exec() || !q.next())
            return std::nullopt;
        return q.value(0).toInt();
    }

private:
    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }

    bool open()
    {
        if (db().isOpen())
            return true;
        QSqlDatabase d = QSqlDatabase::contains(m_name) ? db() : QSqlDatabase::addDatabase("QSQLITE", m_name);
        QDir().mkpath(QFileInfo(QString::fromStdString(m_path)).absolutePath());
        d.setDatabaseName(QString::fromStdString(m_path));
        d.setConnectOptions("QSQLITE_BUSY_TIMEOUT=5000");
        QSqlQuery q(d);
        if (!d.open() || !q.exec("PRAGMA journal_mode=WAL") ||
            !q.exec("CREATE TABLE IF NOT EXISTS pending (seq INTEGER PRIMARY KEY AUTOINCREMENT, place TEXT NOT NULL, "
                    "entry TEXT NOT NULL)") ||
            !q.exec("CREATE TABLE IF NOT EXISTS unreadable (seq INTEGER, place TEXT, entry TEXT)")) {
            m_error = sqlErrorText(q.lastError().isValid() ? q.lastError() : d.lastError());
            d.close();
            return false;
        }
        return true;
    }
    bool begin()
    {
        QSqlQuery q(db());
        return q.exec("BEGIN IMMEDIATE") || fail(q.lastError());
    }
    bool commit()
    {
        QSqlQuery q(db());
        return q.exec("COMMIT") || fail(q.lastError());
    }
    void rollback()
    {
        QSqlQuery q(db());
        q.exec("ROLLBACK");
    }
    bool fail(const QSqlError &error)
    {
        m_error = sqlErrorText(error);
        rollback();
        return false;
    }

    std::string m_path;
    QString m_place;
    QString m_name;
    std::string m_error;
};

std::string entriesText(std::size_t count)
{
    return count == 1 ? "1 entry" : std::to_string(count) + " entries";
}

// Everything the writer's thread owns: the store's and the spool's
// connections (Qt wants them used on the thread that made them), and the
// entries that neither could take. The backlog is, oldest first, this
// place's spool rows, then `m_held`, then the queue.
class Worker {
public:
    Worker(HistoryPlace place, std::string spoolPath, std::function<void(const std::vector<HistoryEntry> &)> stored)
        : m_place(std::move(place)), m_spoolPath(std::move(spoolPath)), m_spool(m_spoolPath, m_place.text()),
          m_stored(std::move(stored))
    {
    }

    bool hasBacklog() const { return m_spoolMayHaveRows || !m_held.empty(); }
    Clock::time_point nextTry() const { return m_nextTry; }

    // An empty batch is a periodic round: it reconnects, and looks for
    // entries that other programs left in the spool.
    void deliver(std::vector<HistoryEntry> &batch, bool mayUseStore)
    {
        if (batch.empty() && m_spool.exists())
            m_spoolMayHaveRows = true;
        if (mayUseStore && connected() && catchUp()) {
            if (batch.empty())
                return;
            if (m_store->append(batch)) {
                m_stored(batch);
                return;
            }
            storeDown(m_store->errorString());
        }
        keep(batch);
    }

    std::optional<std::string> trouble()
    {
        if (m_spoolTouched) {
            m_spoolTouched = false;
            if (const auto n = m_spool.count())
                m_spooled = *n;
        }
        if (m_store && m_spooled == 0 && m_held.empty())
            return std::nullopt;
        std::string why = "History " + m_place.text();
        if (!m_store)
            why += " cannot be written (" + m_storeError + ")";
        why += "; " + (m_spooled == 0 ? std::string("no entries") : entriesText(m_spooled)) +
               (m_spooled == 1 ? " waits in " : " wait in ") + m_spoolPath;
        if (!m_held.empty())
            why +=
                "; " + std::to_string(m_held.size()) + (m_held.size() == 1 ? " more entry is" : " more entries are") +
                " kept in memory only, lost if the program ends: the spool cannot be written (" + m_spool.error() + ")";
        return why;
    }
    int spooled() const { return m_spooled; }

private:
    bool connected()
    {
        if (m_store)
            return true;
        if (Clock::now() < m_nextTry)
            return false;
        auto store = std::make_unique<HistoryStoreSql>(m_place);
        if (!store->open()) {
            storeDown(store->errorString());
            return false;
        }
        m_store = std::move(store);
        // Another program may have left entries for this place.
        m_spoolMayHaveRows = m_spoolMayHaveRows || m_spool.exists();
        return true;
    }

    void storeDown(std::string why)
    {
        m_storeError = std::move(why);
        m_store.reset();
        m_nextTry = Clock::now() + kRetryInterval;
    }

    // Sends up what waits, oldest first; false when the store failed.
    bool catchUp()
    {
        while (m_spoolMayHaveRows) {
            std::vector<HistoryEntry> stored;
            m_spoolTouched = true;
            switch (m_spool.drain(*m_store, stored)) {
            case Spool::Drain::Moved:
                m_stored(stored);
                break;
            case Spool::Drain::Empty:
                m_spoolMayHaveRows = false;
                break;
            case Spool::Drain::StoreFailed:
                storeDown(m_store->errorString());
                return false;
            case Spool::Drain::SpoolFailed:
                // An unreadable spool must not stop the history; its rows
                // go up once it can be read again.
                m_spoolMayHaveRows = false;
                break;
            }
        }
        if (m_held.empty())
            return true;
        if (!m_store->append(m_held)) {
            storeDown(m_store->errorString());
            return false;
        }
        m_stored(m_held);
        m_held.clear();
        return true;
    }

    // Spools the batch behind what waits; in memory when the spool fails.
    void keep(std::vector<HistoryEntry> &batch)
    {
        m_spoolTouched = true;
        if (!m_held.empty() && m_spool.put(m_held))
            m_held.clear();
        if (batch.empty())
            return;
        if (m_held.empty() && m_spool.put(batch)) {
            m_spoolMayHaveRows = true;
            return;
        }
        m_held.insert(m_held.end(), std::make_move_iterator(batch.begin()), std::make_move_iterator(batch.end()));
    }

    HistoryPlace m_place;
    std::string m_spoolPath;
    Spool m_spool;
    std::function<void(const std::vector<HistoryEntry> &)> m_stored;
    std::unique_ptr<HistoryStoreSql> m_store;
    std::string m_storeError;
    Clock::time_point m_nextTry{};
    bool m_spoolMayHaveRows = true;
    bool m_spoolTouched = true;
    int m_spooled = 0;
    std::vector<HistoryEntry> m_held;
};

} // namespace

struct HistoryWriter::State {
    HistoryPlace place;
    std::string spoolPath;
    mutable std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable settled;
    std::deque<HistoryEntry> queue;
    std::uint64_t posted = 0;
    std::uint64_t done = 0; // stored, spooled or held
    bool stopping = false;
    std::optional<std::string> trouble;
    int spooled = 0;
    std::function<void(const std::vector<HistoryEntry> &)> onStored;
    std::thread thread;

    void run();
};

void HistoryWriter::State::run()
{
    Worker worker(place, spoolPath, [this](const std::vector<HistoryEntry> &entries) {
        std::function<void(const std::vector<HistoryEntry> &)> hook;
        {
            std::lock_guard lock(mutex);
            hook = onStored;
        }
        if (hook)
            hook(entries);
    });
    std::optional<Clock::time_point> stopBy;
    std::unique_lock lock(mutex);
    // The first round has nothing queued: it connects, so that trouble()
    // tells at once when the store cannot be reached.
    for (;;) {
        std::vector<HistoryEntry> batch;
        while (!queue.empty() && batch.size() < kBatch) {
            batch.push_back(std::move(queue.front()));
            queue.pop_front();
        }
        if (stopping && !stopBy)
            stopBy = Clock::now() + kStopWait;
        const bool last = stopping && queue.empty();
        lock.unlock();
        worker.deliver(batch, !stopBy || Clock::now() < *stopBy);
        auto why = worker.trouble();
        lock.lock();
        done += batch.size();
        trouble = std::move(why);
        spooled = worker.spooled();
        settled.notify_all();
        if (last)
            return;
        const auto ready = [this] { return stopping || !queue.empty(); };
        if (worker.hasBacklog())
            wake.wait_until(lock, std::max(worker.nextTry(), Clock::now() + std::chrono::milliseconds(100)), ready);
        else
            wake.wait_for(lock, kRetryInterval, ready);
    }
}

namespace {

// The SQL drivers are loaded on the thread that makes the writer: loaded
// first on the writer's own thread, ortavel-cli.exe crashed in Qt Core as
// that thread ended (under Wine, once the history had been written).
void loadDrivers(const HistoryPlace &place)
{
    const QString name = QStringLiteral("ortavel-driver-load");
    for (const char *driver : {"QSQLITE", place.backend == HistoryPlace::Backend::Postgres ? "QPSQL" : "QSQLITE"}) {
        QSqlDatabase::addDatabase(QString::fromLatin1(driver), name);
        QSqlDatabase::removeDatabase(name);
    }
}

} // namespace

HistoryWriter::HistoryWriter(HistoryPlace place, std::string spoolPath) : m_state(std::make_unique<State>())
{
    m_state->place = std::move(place);
    m_state->spoolPath = std::move(spoolPath);
    loadDrivers(m_state->place);
    try {
        m_state->thread = std::thread([state = m_state.get()] { state->run(); });
    } catch (const std::system_error &e) {
        m_state->trouble = "History " + m_state->place.text() + " cannot be written (no writer thread: " + e.what() +
                           "); nothing posted is kept";
    }
}

HistoryWriter::~HistoryWriter()
{
    {
        std::lock_guard lock(m_state->mutex);
        m_state->stopping = true;
    }
    m_state->wake.notify_all();
    if (m_state->thread.joinable())
        m_state->thread.join();
}

void HistoryWriter::post(HistoryEntry entry)
{
    {
        std::lock_guard lock(m_state->mutex);
        m_state->queue.push_back(std::move(entry));
        ++m_state->posted;
    }
    m_state->wake.notify_one();
}

std::optional<std::string> HistoryWriter::trouble() const
{
    std::lock_guard lock(m_state->mutex);
    return m_state->trouble;
}

bool HistoryWriter::flush(int timeoutMs)
{
    std::unique_lock lock(m_state->mutex);
    const std::uint64_t target = m_state->posted;
    return m_state->settled.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                     [&] { return m_state->done >= target; });
}

int HistoryWriter::spooled() const
{
    std::lock_guard lock(m_state->mutex);
    return m_state->spooled;
}

void HistoryWriter::setOnStored(std::function<void(const std::vector<HistoryEntry> &)> onStored)
{
    std::lock_guard lock(m_state->mutex);
    m_state->onStored = std::move(onStored);
}

} // namespace ortavel
