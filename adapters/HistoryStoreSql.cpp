#include "HistoryStoreSql.h"

#include "SqlErrorText.h"

#include "link/SettingsStore.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <utility>

namespace ortavel {

namespace {

constexpr std::string_view kSqlitePrefix = "sqlite:";
constexpr std::string_view kPostgresPrefix = "postgresql:";
constexpr int kBusyTimeoutMs = 5000;
// A writer waits this long for an unreachable server, not the TCP default.
constexpr int kConnectTimeoutS = 5;
constexpr int kChainPage = 5000;

// Each step brings the schema from the version before it to its own; the
// last one's number is what this program knows. Steps only ever get added.
struct Migration {
    int version;
    std::vector<const char *> statements;
};

const std::vector<Migration> &migrations()
{
    static const std::vector<Migration> steps = {
        {1,
         {"CREATE TABLE chain_head (one INTEGER PRIMARY KEY CHECK (one = 1), last_id BIGINT NOT NULL, "
          "last_hash TEXT NOT NULL)",
          "INSERT INTO chain_head (one, last_id, last_hash) VALUES (1, 0, '')",
          "CREATE TABLE entries (id BIGINT PRIMARY KEY, kind TEXT, time_ms BIGINT, utc_offset_minutes INTEGER, "
          "login TEXT, operator_name TEXT, host TEXT, program TEXT, port TEXT, baud INTEGER, address TEXT, "
          "tx_type TEXT, tx_ident TEXT, tx_version TEXT, tx_sensor_low TEXT, tx_sensor_high TEXT, parameter TEXT, "
          "before_value TEXT, sent TEXT, echo TEXT, result TEXT, detail TEXT, previous_hash TEXT, hash TEXT)",
          // One transmitter's history, newest first, without a scan.
          "CREATE INDEX entries_ident ON entries (tx_ident, id)",
          "CREATE INDEX entries_address ON entries (address, id)",
          "CREATE INDEX entries_parameter ON entries (parameter, id)",
          "CREATE INDEX entries_kind ON entries (kind, id)"}},
        // Report numbers come from the shared store, so laptops sharing it
        // never print the same one.
        {2,
         {"CREATE TABLE IF NOT EXISTS report_number (prefix TEXT NOT NULL, year INTEGER NOT NULL, "
          "last INTEGER NOT NULL, PRIMARY KEY (prefix, year))"}},
    };
    return steps;
}

int knownVersion()
{
    return migrations().back().version;
}

constexpr const char *kColumns =
    "id, kind, time_ms, utc_offset_minutes, login, operator_name, host, program, port, baud, address, tx_type, "
    "tx_ident, tx_version, tx_sensor_low, tx_sensor_high, parameter, before_value, sent, echo, result, detail, "
    "previous_hash, hash";
constexpr int kColumnCount = 24;

// Never a null QString: Qt would bind it as SQL NULL.
QString text(const std::string &s)
{
    QString t = QString::fromStdString(s);
    return t.isNull() ? QStringLiteral("") : t;
}

// What both databases can hold as text: valid UTF-8 without NUL. A reply
// off a noisy line may be neither; hashed raw, it would read back as a
// changed entry.
void makeStorable(std::string &s)
{
    QString t = QString::fromStdString(s);
    t.replace(QChar(u'\0'), QChar::ReplacementCharacter);
    s = t.toStdString();
}

void makeStorable(HistoryEntry &e)
{
    for (std::string *field :
         {&e.origin.login, &e.origin.operatorName, &e.origin.host, &e.origin.program, &e.port, &e.address,
          &e.identity.type, &e.identity.ident, &e.identity.version, &e.identity.sensorLow, &e.identity.sensorHigh,
          &e.parameter, &e.before, &e.sent, &e.echo, &e.result, &e.detail})
        makeStorable(*field);
}

std::string chainHash(const std::string &previousHash, const HistoryEntry &e)
{
    QCryptographicHash sha(QCryptographicHash::Sha256);
    sha.addData(QByteArrayView(previousHash.data(), static_cast<qsizetype>(previousHash.size())));
    const std::string canonical = canonicalText(e);
    sha.addData(QByteArrayView(canonical.data(), static_cast<qsizetype>(canonical.size())));
    return sha.result().toHex().toStdString();
}

void bindEntry(QSqlQuery &q, const HistoryEntry &e)
{
    q.addBindValue(QVariant::fromValue<qlonglong>(e.id));
    q.addBindValue(text(std::string(kindName(e.kind))));
    q.addBindValue(QVariant::fromValue<qlonglong>(e.timeMs));
    q.addBindValue(e.utcOffsetMinutes);
    for (const std::string *s : {&e.origin.login, &e.origin.operatorName, &e.origin.host, &e.origin.program, &e.port})
        q.addBindValue(text(*s));
    q.addBindValue(e.baud);
    for (const std::string *s : {&e.address, &e.identity.type, &e.identity.ident, &e.identity.version,
                                 &e.identity.sensorLow, &e.identity.sensorHigh, &e.parameter, &e.before, &e.sent,
                                 &e.echo, &e.result, &e.detail, &e.previousHash, &e.hash})
        q.addBindValue(text(*s));
}

// False when the stored kind is no kind this program knows.
bool readEntry(const QSqlQuery &q, HistoryEntry &e)
{
    int c = 0;
    const auto next = [&] { return q.value(c++); };
    const auto str = [&] { return next().toString().toStdString(); };
    e.id = next().toLongLong();
    const bool kindKnown = kindFromName(str(), e.kind);
    e.timeMs = next().toLongLong();
    e.utcOffsetMinutes = next().toInt();
    for (std::string *s : {&e.origin.login, &e.origin.operatorName, &e.origin.host, &e.origin.program, &e.port})
        *s = str();
    e.baud = next().toInt();
    for (std::string *s : {&e.address, &e.identity.type, &e.identity.ident, &e.identity.version, &e.identity.sensorLow,
                           &e.identity.sensorHigh, &e.parameter, &e.before, &e.sent, &e.echo, &e.result, &e.detail,
                           &e.previousHash, &e.hash})
        *s = str();
    return kindKnown;
}

// libpq's "key = value ..." text: values plain or in single quotes, with
// backslash escapes. nullopt with the reason when it is not that.
std::optional<std::vector<std::pair<std::string, std::string>>> parseConnInfo(const std::string &text,
                                                                              std::string &error)
{
    std::vector<std::pair<std::string, std::string>> pairs;
    std::size_t i = 0;
    const auto skipSpace = [&] {
        while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
            ++i;
    };
    for (skipSpace(); i < text.size(); skipSpace()) {
        std::string key;
        while (i < text.size() && text[i] != '=' && !std::isspace(static_cast<unsigned char>(text[i])))
            key += text[i++];
        skipSpace();
        if (key.empty() || i == text.size() || text[i] != '=') {
            error = "\"" + key + "\" has no value (key=value expected)";
            return std::nullopt;
        }
        ++i;
        skipSpace();
        std::string value;
        const bool quoted = i < text.size() && text[i] == '\'';
        if (quoted)
            ++i;
        for (; i < text.size(); ++i) {
            if (quoted ? text[i] == '\'' : std::isspace(static_cast<unsigned char>(text[i])) != 0)
                break;
            if (text[i] == '\\' && i + 1 < text.size())
                ++i;
            value += text[i];
        }
        if (quoted && i++ == text.size()) {
            error = "the value of " + key + " lacks its closing quote";
            return std::nullopt;
        }
        pairs.emplace_back(key, value);
    }
    return pairs;
}

QString quotedOption(const std::string &key, const std::string &value)
{
    QString v = text(value);
    v.replace(u'\\', QStringLiteral("\\\\")).replace(u'\'', QStringLiteral("\\'"));
    return text(key) + QStringLiteral("='") + v + u'\'';
}

std::string placeFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString() + "/ortavel";
}

std::atomic<int> s_connections{0};

} // namespace

std::string HistoryPlace::text() const
{
    return std::string(backend == Backend::Sqlite ? kSqlitePrefix : kPostgresPrefix) + target;
}

std::optional<HistoryPlace> parseHistoryPlace(const std::string &text, std::string &error)
{
    HistoryPlace place;
    if (text.starts_with(kSqlitePrefix)) {
        place.target = text.substr(kSqlitePrefix.size());
    } else if (text.starts_with(kPostgresPrefix)) {
        place.backend = HistoryPlace::Backend::Postgres;
        place.target = text.substr(kPostgresPrefix.size());
    } else {
        error = "a history place is sqlite:PATH, postgresql:SERVICE or postgresql:key=value ..., not \"" + text + "\"";
        return std::nullopt;
    }
    if (place.target.empty()) {
        error = place.backend == HistoryPlace::Backend::Sqlite ? "sqlite: needs a file path"
                                                               : "postgresql: needs a service name or key=value ...";
        return std::nullopt;
    }
    if (place.backend == HistoryPlace::Backend::Sqlite)
        return place;
    if (place.target.find('=') == std::string::npos) {
        if (place.target.find_first_of(" \t'\\") != std::string::npos) {
            error = "the service name \"" + place.target + "\" holds a space, quote or backslash";
            return std::nullopt;
        }
        return place;
    }
    std::string why;
    const auto pairs = parseConnInfo(place.target, why);
    if (!pairs) {
        error = "postgresql: " + why;
        return std::nullopt;
    }
    for (const auto &[key, value] : *pairs) {
        if (key == "password") {
            error = "a history place holds no password: libpq takes it from ~/.pgpass or the file PGPASSFILE names";
            return std::nullopt;
        }
        // Qt hands its connect options to libpq with each ';' made a space.
        if (value.find(';') != std::string::npos) {
            error = "postgresql: the value of " + key + " holds a ';', which Qt cannot pass on";
            return std::nullopt;
        }
    }
    return place;
}

HistoryPlace defaultHistoryPlace()
{
    // Not AppDataLocation: that is named after each program, and the window
    // and the command line must share one history.
    return HistoryPlace{HistoryPlace::Backend::Sqlite, placeFolder() + "/history.sqlite"};
}

std::string defaultSpoolPath()
{
    return placeFolder() + "/history-spool.sqlite";
}

HistoryPlace rememberedHistoryPlace(const SettingsStore &settings)
{
    std::string error;
    const auto place = parseHistoryPlace(settings.value("Ortavel", "History", "Place", ""), error);
    return place ? *place : defaultHistoryPlace();
}

bool rememberHistoryPlace(SettingsStore &settings, const HistoryPlace &place)
{
    return settings.setValue("Ortavel", "History", "Place", place.text());
}

HistoryStoreSql::HistoryStoreSql(HistoryPlace place)
    : m_place(std::move(place)), m_connection("ortavel-history-" + std::to_string(++s_connections))
{
}

HistoryStoreSql::~HistoryStoreSql()
{
    {
        QSqlDatabase db = QSqlDatabase::database(QString::fromStdString(m_connection), false);
        // SQLite plans from statistics only ANALYZE gathers (PostgreSQL's
        // autovacuum keeps its own): without them it may walk the parameter
        // index for an address query. A sample of rows is enough and quick.
        if (m_appended && db.isOpen() && m_place.backend == HistoryPlace::Backend::Sqlite) {
            QSqlQuery q(db);
            q.exec("PRAGMA analysis_limit=1000");
            q.exec("ANALYZE entries");
        }
        if (db.isValid())
            db.close();
    }
    if (QSqlDatabase::contains(QString::fromStdString(m_connection)))
        QSqlDatabase::removeDatabase(QString::fromStdString(m_connection));
}

namespace {

// Applies the missing steps in one transaction. Another program may be
// doing the same at this moment: then this one fails and reads again.
bool migrate(QSqlDatabase &db, std::string &error)
{
    if (!db.transaction()) {
        error = "cannot begin: " + sqlErrorText(db.lastError());
        return false;
    }
    QSqlQuery q(db);
    bool ok = q.exec("CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL)") &&
              q.exec("SELECT version FROM schema_version");
    int version = 0;
    const bool hasRow = ok && q.next();
    if (hasRow)
        version = q.value(0).toInt();
    q.finish();
    if (ok && !hasRow)
        ok = q.exec("INSERT INTO schema_version (version) VALUES (0)");
    for (const Migration &step : migrations()) {
        if (!ok || step.version <= version)
            continue;
        for (const char *statement : step.statements)
            ok = ok && q.exec(statement);
        ok = ok && q.exec("UPDATE schema_version SET version = " + QString::number(step.version));
    }
    if (ok && db.commit())
        return true;
    error = "cannot set up the schema: " + sqlErrorText(q.lastError().isValid() ? q.lastError() : db.lastError());
    db.rollback();
    return false;
}

} // namespace

bool HistoryStoreSql::open()
{
    const QString name = QString::fromStdString(m_connection);
    QSqlDatabase db =
        QSqlDatabase::contains(name)
            ? QSqlDatabase::database(name, false)
            : QSqlDatabase::addDatabase(m_place.backend == HistoryPlace::Backend::Sqlite ? "QSQLITE" : "QPSQL", name);
    if (!db.isValid()) {
        m_error = "no Qt SQL driver for " + m_place.text() + " (install libqt6sql6-sqlite or libqt6sql6-psql)";
        return false;
    }
    db.close();
    if (m_place.backend == HistoryPlace::Backend::Sqlite) {
        QDir().mkpath(QFileInfo(QString::fromStdString(m_place.target)).absolutePath());
        db.setDatabaseName(QString::fromStdString(m_place.target));
        // Writers of other programs wait for each other instead of failing.
        db.setConnectOptions("QSQLITE_BUSY_TIMEOUT=" + QString::number(kBusyTimeoutMs));
    } else {
        QStringList options;
        std::string error;
        const auto pairs =
            m_place.target.find('=') == std::string::npos
                ? std::vector<std::pair<std::string, std::string>>{{"service", m_place.target}}
                : parseConnInfo(m_place.target, error).value_or(std::vector<std::pair<std::string, std::string>>{});
        bool hasTimeout = false;
        for (const auto &[key, value] : pairs) {
            if (key == "host")
                db.setHostName(text(value));
            else if (key == "port")
                db.setPort(QString::fromStdString(value).toInt());
            else if (key == "dbname")
                db.setDatabaseName(text(value));
            else if (key == "user")
                db.setUserName(text(value));
            else
                options << quotedOption(key, value);
            hasTimeout = hasTimeout || key == "connect_timeout";
        }
        if (!hasTimeout)
            options << "connect_timeout=" + QString::number(kConnectTimeoutS);
        db.setConnectOptions(options.join(u';'));
    }
    if (!db.open()) {
        m_error = "could not connect (" + sqlErrorText(db.lastError()) + ")";
        return false;
    }
    if (m_place.backend == HistoryPlace::Backend::Sqlite) {
        QSqlQuery wal(db);
        if (!wal.exec("PRAGMA journal_mode=WAL")) {
            m_error = "cannot use the file (" + sqlErrorText(wal.lastError()) + ")";
            db.close();
            return false;
        }
    }
    for (int attempt = 0;; ++attempt) {
        QSqlQuery q(db);
        int version = 0;
        if (db.tables().contains("schema_version") && q.exec("SELECT version FROM schema_version") && q.next())
            version = q.value(0).toInt();
        q.finish();
        if (version > knownVersion()) {
            m_error = "the history at " + m_place.text() + " has schema version " + std::to_string(version) +
                      "; this Ortavel knows up to " + std::to_string(knownVersion()) + ": update Ortavel";
            db.close();
            return false;
        }
        if (version == knownVersion())
            break;
        if (!migrate(db, m_error) && attempt == 2) {
            db.close();
            return false;
        }
    }
    m_error.clear();
    return true;
}

bool HistoryStoreSql::isOpen() const
{
    return QSqlDatabase::database(QString::fromStdString(m_connection), false).isOpen();
}

bool HistoryStoreSql::connection(QSqlDatabase &db)
{
    db = QSqlDatabase::database(QString::fromStdString(m_connection), false);
    if (db.isOpen())
        return true;
    if (m_error.empty())
        m_error = "the history is not open";
    return false;
}

bool HistoryStoreSql::append(std::vector<HistoryEntry> &entries)
{
    QSqlDatabase db;
    if (!connection(db))
        return false;
    if (entries.empty())
        return true;
    if (!db.transaction()) {
        m_error = "cannot begin (" + sqlErrorText(db.lastError()) + ")";
        return false;
    }
    QSqlQuery q(db);
    const auto fail = [&](const QSqlError &error) {
        m_error = "cannot append (" + sqlErrorText(error) + ")";
        q.finish();
        db.rollback();
        return false;
    };
    // Writing first takes SQLite's write lock and PostgreSQL's row lock
    // before the head is read, so writers of other programs take turns.
    if (!q.exec("UPDATE chain_head SET last_id = last_id WHERE one = 1"))
        return fail(q.lastError());
    if (!q.exec("SELECT last_id, last_hash FROM chain_head WHERE one = 1") || !q.next())
        return fail(q.lastError());
    std::int64_t lastId = q.value(0).toLongLong();
    std::string lastHash = q.value(1).toString().toStdString();
    q.finish();

    std::vector<HistoryEntry> stored = entries;
    for (HistoryEntry &e : stored) {
        makeStorable(e);
        e.id = ++lastId;
        e.previousHash = lastHash;
        e.hash = chainHash(e.previousHash, e);
        lastHash = e.hash;
    }
    // Many rows a statement: a round trip per row would dominate on a server.
    constexpr std::size_t kRowsPerInsert = 50;
    QString prepared;
    for (std::size_t start = 0; start < stored.size(); start += kRowsPerInsert) {
        const std::size_t count = std::min(kRowsPerInsert, stored.size() - start);
        QString sql = QStringLiteral("INSERT INTO entries (") + kColumns + ") VALUES ";
        const QString row = "(?" + QStringLiteral(",?").repeated(kColumnCount - 1) + ")";
        for (std::size_t i = 0; i < count; ++i)
            sql += (i == 0 ? "" : ",") + row;
        if (sql != prepared && !q.prepare(sql))
            return fail(q.lastError());
        prepared = sql;
        for (std::size_t i = 0; i < count; ++i)
            bindEntry(q, stored[start + i]);
        if (!q.exec())
            return fail(q.lastError());
    }
    q.prepare("UPDATE chain_head SET last_id = ?, last_hash = ? WHERE one = 1");
    q.addBindValue(QVariant::fromValue<qlonglong>(lastId));
    q.addBindValue(text(lastHash));
    if (!q.exec())
        return fail(q.lastError());
    q.finish();
    if (!db.commit()) {
        m_error = "cannot commit (" + sqlErrorText(db.lastError()) + ")";
        db.rollback();
        return false;
    }
    entries = std::move(stored);
    m_appended = true;
    return true;
}

std::optional<int> HistoryStoreSql::nextReportSequence(const std::string &prefix, int year)
{
    QSqlDatabase db;
    if (!connection(db))
        return std::nullopt;
    if (!db.transaction()) {
        m_error = "cannot begin (" + sqlErrorText(db.lastError()) + ")";
        return std::nullopt;
    }
    // One statement both databases run atomically: the row is locked from
    // the insert or update to the commit, so two programs never read the
    // same value.
    QSqlQuery q(db);
    q.prepare("INSERT INTO report_number (prefix, year, last) VALUES (?, ?, 1) ON CONFLICT (prefix, year) "
              "DO UPDATE SET last = report_number.last + 1 RETURNING last");
    q.addBindValue(text(prefix));
    q.addBindValue(year);
    if (!q.exec() || !q.next()) {
        m_error = "cannot take a report number (" + sqlErrorText(q.lastError()) + ")";
        q.finish();
        db.rollback();
        return std::nullopt;
    }
    const int sequence = q.value(0).toInt();
    q.finish();
    // Handed out only once committed: a number lost to a failed commit
    // would be taken again by the next caller.
    if (!db.commit()) {
        m_error = "cannot commit (" + sqlErrorText(db.lastError()) + ")";
        db.rollback();
        return std::nullopt;
    }
    return sequence;
}

namespace {

// `unknownKind` gets the id of the first row whose kind this program does
// not know (read as a write).
std::optional<std::vector<HistoryEntry>> readAll(QSqlQuery &q, std::string &error, std::int64_t *unknownKind = nullptr)
{
    std::vector<HistoryEntry> list;
    if (!q.exec()) {
        error = "cannot read (" + sqlErrorText(q.lastError()) + ")";
        return std::nullopt;
    }
    while (q.next()) {
        list.emplace_back();
        if (!readEntry(q, list.back()) && unknownKind && *unknownKind == 0)
            *unknownKind = list.back().id;
    }
    return list;
}

} // namespace

std::optional<std::vector<HistoryEntry>> HistoryStoreSql::entries(const HistoryFilter &filter)
{
    QSqlDatabase db;
    if (!connection(db))
        return std::nullopt;
    QStringList where;
    QVariantList values;
    const auto match = [&](const char *condition, const QVariant &value) {
        where << condition;
        values << value;
    };
    if (!filter.ident.empty())
        match("tx_ident = ?", text(filter.ident));
    if (!filter.address.empty())
        match("address = ?", text(filter.address));
    if (!filter.parameter.empty())
        match("parameter = ?", text(filter.parameter));
    if (filter.kind)
        match("kind = ?", text(std::string(kindName(*filter.kind))));
    if (filter.sinceMs)
        match("time_ms >= ?", QVariant::fromValue<qlonglong>(*filter.sinceMs));
    if (filter.untilMs)
        match("time_ms < ?", QVariant::fromValue<qlonglong>(*filter.untilMs));
    QString sql = QStringLiteral("SELECT ") + kColumns + " FROM entries";
    if (!where.isEmpty())
        sql += " WHERE " + where.join(" AND ");
    sql += " ORDER BY id DESC";
    if (filter.limit > 0)
        sql += " LIMIT " + QString::number(filter.limit);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.prepare(sql)) {
        m_error = "cannot read (" + sqlErrorText(q.lastError()) + ")";
        return std::nullopt;
    }
    for (const QVariant &v : values)
        q.addBindValue(v);
    return readAll(q, m_error);
}

std::optional<std::vector<HistoryEntry>> HistoryStoreSql::latestPerTransmitter()
{
    QSqlDatabase db;
    if (!connection(db))
        return std::nullopt;
    // Hops from one ID text to the next along the index, so the cost grows
    // with the transmitters, not with the entries.
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("WITH RECURSIVE idents(ident) AS ("
                             " SELECT MIN(tx_ident) FROM entries WHERE tx_ident > ''"
                             " UNION ALL SELECT (SELECT MIN(tx_ident) FROM entries WHERE tx_ident > idents.ident)"
                             " FROM idents WHERE idents.ident IS NOT NULL) "
                             "SELECT ") +
              kColumns +
              " FROM entries WHERE id IN (SELECT (SELECT MAX(id) FROM entries WHERE tx_ident = idents.ident)"
              " FROM idents WHERE idents.ident IS NOT NULL)");
    auto list = readAll(q, m_error);
    // Sorted here: the server's collation would order them differently.
    if (list)
        std::sort(list->begin(), list->end(),
                  [](const HistoryEntry &a, const HistoryEntry &b) { return a.identity.ident < b.identity.ident; });
    return list;
}

std::optional<ChainBreak> HistoryStoreSql::checkChain()
{
    QSqlDatabase db;
    if (!connection(db))
        return std::nullopt;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec("SELECT last_id, last_hash FROM chain_head WHERE one = 1") || !q.next()) {
        m_error = "cannot read the chain head (" + sqlErrorText(q.lastError()) + ")";
        return std::nullopt;
    }
    const std::int64_t headId = q.value(0).toLongLong();
    const std::string headHash = q.value(1).toString().toStdString();
    q.finish();

    std::int64_t expected = 1;
    std::string previousHash;
    for (;;) {
        q.prepare(QStringLiteral("SELECT ") + kColumns + " FROM entries WHERE id >= ? ORDER BY id LIMIT " +
                  QString::number(kChainPage));
        q.addBindValue(QVariant::fromValue<qlonglong>(expected));
        std::int64_t unknownKind = 0;
        const auto page = readAll(q, m_error, &unknownKind);
        if (!page)
            return std::nullopt;
        for (const HistoryEntry &e : *page) {
            if (e.id != expected)
                return ChainBreak{expected, "removed"};
            if (e.id > headId)
                return ChainBreak{e.id, "added"};
            if (e.previousHash != previousHash || e.id == unknownKind || chainHash(e.previousHash, e) != e.hash)
                return ChainBreak{e.id, "changed"};
            previousHash = e.hash;
            ++expected;
        }
        if (static_cast<int>(page->size()) < kChainPage)
            break;
    }
    if (expected - 1 < headId)
        return ChainBreak{expected, "removed"};
    if (headId > 0 && previousHash != headHash)
        return ChainBreak{headId, "changed"};
    return ChainBreak{};
}

} // namespace ortavel
