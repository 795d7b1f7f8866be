#include "adapters/HistoryStoreSql.h"
#include "adapters/HistoryWriter.h"
#include "adapters/ReportNumbersOpen.h"
#include "adapters/SettingsStoreQt.h"
#if ORTAVEL_TEST_POSTGRES
#include "support/PostgresServer.h"
#endif

#include <QCoreApplication>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>
#include <numeric>
#include <ostream>

// The filter rows name only the fields they set; the rest keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace ortavel::test {
namespace {

enum class Backend { Sqlite, Postgres };

// Names the backend in ctest's list rather than its bytes.
void PrintTo(Backend backend, std::ostream *out)
{
    *out << (backend == Backend::Sqlite ? "SQLite" : "PostgreSQL");
}

#if ORTAVEL_TEST_POSTGRES
// One server for the whole program; its destructor stops and removes it.
PostgresServer &server()
{
    static PostgresServer instance;
    return instance;
}
const Backend kBackends[] = {Backend::Sqlite, Backend::Postgres};
#else
// The Windows build starts no PostgreSQL server: SQLite only.
const Backend kBackends[] = {Backend::Sqlite};
#endif

HistoryEntry entry(EntryKind kind, std::string ident, std::string address, std::string parameter, std::int64_t timeMs,
                   std::string sent = "")
{
    HistoryEntry e;
    e.kind = kind;
    e.timeMs = timeMs;
    e.utcOffsetMinutes = 60;
    e.origin = {"jan", "J. de Vries", "bench-3", "ortavel-cli 1.35"};
    e.port = "/dev/ttyUSB0";
    e.baud = 9600;
    e.address = std::move(address);
    e.identity = {"PTX 7", std::move(ident), "V2.1", "0", "10"};
    e.parameter = std::move(parameter);
    e.sent = std::move(sent);
    return e;
}

std::vector<HistoryEntry> stored(HistoryStore &store)
{
    auto list = store.entries({}).value_or(std::vector<HistoryEntry>{});
    std::reverse(list.begin(), list.end());
    return list;
}

class HistoryBackends : public testing::TestWithParam<Backend> {
protected:
    // A new, empty history on this backend.
    HistoryPlace freshPlace()
    {
#if ORTAVEL_TEST_POSTGRES
        if (GetParam() == Backend::Postgres) {
            const auto conninfo = server().createDatabase();
            EXPECT_TRUE(conninfo) << server().error();
            return {HistoryPlace::Backend::Postgres, conninfo.value_or("")};
        }
#endif
        return {HistoryPlace::Backend::Sqlite, m_dir.filePath(QString::number(++m_files) + ".sqlite").toStdString()};
    }
    // Raw SQL past the store, as someone tampering with the database.
    static void tamper(const HistoryPlace &place, const QString &sql)
    {
        {
            const bool sqlite = place.backend == HistoryPlace::Backend::Sqlite;
            QSqlDatabase db = QSqlDatabase::addDatabase(sqlite ? "QSQLITE" : "QPSQL", "tamper");
            QString target = QString::fromStdString(place.target);
            sqlite ? db.setDatabaseName(target) : db.setConnectOptions(target.replace(' ', ';'));
            ASSERT_TRUE(db.open());
            EXPECT_TRUE(QSqlQuery(db).exec(sql)) << sql.toStdString();
        }
        QSqlDatabase::removeDatabase("tamper");
    }

    QTemporaryDir m_dir;
    int m_files = 0;
};

TEST_P(HistoryBackends, KeepsEveryFieldOfEveryKindAcrossReopen)
{
    const HistoryPlace place = freshPlace();
    std::vector<HistoryEntry> entries = {
        entry(EntryKind::Write, "PT-101", "01", "OL", 1796655651123, "OL+0000.000"),
        entry(EntryKind::Snapshot, "PT-101", "01", "", 1796655652000),
        entry(EntryKind::Verification, "PT-101", "01", "as-found", -5000),
        entry(EntryKind::Calibration, "FT-7 ü", "02", "FC3", 1796655653000),
        entry(EntryKind::Interval, "PT-101", "01", "", 1796655654000),
    };
    entries[0].before = "0.5";
    entries[0].echo = "OL+0000.000";
    entries[0].result = std::string(kConfirmed);
    entries[1].detail = R"({"fields":[{"parameter":"OL","value":"0.5","good":true}]})";
    entries[2].result = "fail";
    entries[3].origin.operatorName = "";
    // A reply off a noisy line, not UTF-8 and with a NUL, is kept as far as
    // both databases can hold it; its hash must cover what is stored.
    entries[3].echo = std::string("*01\xff\xfe", 5) + std::string(1, '\0') + "x";
    auto expected = entries;
    expected[3].echo = "*01\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBDx";
    {
        HistoryStoreSql store(place);
        ASSERT_TRUE(store.open()) << store.errorString();
        ASSERT_TRUE(store.append(entries)) << store.errorString();
    }
    HistoryStoreSql reopened(place);
    ASSERT_TRUE(reopened.open()) << reopened.errorString();
    const auto back = stored(reopened);
    ASSERT_EQ(back.size(), entries.size());
    for (std::size_t i = 0; i < back.size(); ++i) {
        SCOPED_TRACE(i);
        expected[i].id = static_cast<std::int64_t>(i + 1);
        EXPECT_EQ(canonicalText(back[i]), canonicalText(expected[i]));
        EXPECT_EQ(back[i].hash, entries[i].hash);
        EXPECT_EQ(back[i].previousHash, i == 0 ? "" : back[i - 1].hash);
    }
    EXPECT_EQ(reopened.checkChain().value_or(ChainBreak{-1, "unreadable"}).id, 0);
}

TEST_P(HistoryBackends, FiltersNewestFirst)
{
    HistoryStoreSql store(freshPlace());
    ASSERT_TRUE(store.open()) << store.errorString();
    std::vector<HistoryEntry> entries = {
        entry(EntryKind::Write, "PT-1", "01", "OL", 1000),
        entry(EntryKind::Write, "PT-2", "02", "OL", 2000),
        entry(EntryKind::Snapshot, "PT-1", "01", "", 3000),
        entry(EntryKind::Write, "PT-1", "03", "OH", 4000),
        entry(EntryKind::Write, "", "04", "OL", 5000),
        entry(EntryKind::Verification, "PT-2", "02", "as-left", 6000),
    };
    ASSERT_TRUE(store.append(entries)) << store.errorString();
    const struct {
        const char *name;
        HistoryFilter filter;
        std::vector<std::int64_t> ids;
    } rows[] = {
        {"everything, newest first", {}, {6, 5, 4, 3, 2, 1}},
        {"one transmitter by ID text, at any address", {.ident = "PT-1"}, {4, 3, 1}},
        {"one address", {.address = "02"}, {6, 2}},
        {"one parameter", {.parameter = "OL"}, {5, 2, 1}},
        {"one kind", {.kind = EntryKind::Snapshot}, {3}},
        {"since is inclusive, until exclusive", {.sinceMs = 2000, .untilMs = 5000}, {4, 3, 2}},
        {"conditions combine", {.ident = "PT-1", .parameter = "OL"}, {1}},
        {"limit keeps the newest", {.ident = "PT-2", .limit = 1}, {6}},
        {"no match is an empty list", {.ident = "PT-9"}, {}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<std::int64_t> ids;
        const auto found = store.entries(row.filter);
        ASSERT_TRUE(found) << store.errorString();
        for (const HistoryEntry &e : *found)
            ids.push_back(e.id);
        EXPECT_EQ(ids, row.ids);
    }
    std::map<std::string, std::int64_t> latest;
    const auto newest = store.latestPerTransmitter();
    ASSERT_TRUE(newest) << store.errorString();
    for (const HistoryEntry &e : *newest)
        latest[e.identity.ident] = e.id;
    EXPECT_EQ(latest, (std::map<std::string, std::int64_t>{{"PT-1", 4}, {"PT-2", 6}}));
}

TEST_P(HistoryBackends, ChainCheckNamesTheEntryChangedOrRemoved)
{
    const struct {
        const char *name;
        const char *sql;
        ChainBreak expected;
    } rows[] = {
        {"intact", "SELECT 1", {0, ""}},
        {"a result edited", "UPDATE entries SET result = 'confirmed' WHERE id = 3", {3, "changed"}},
        {"a hash edited", "UPDATE entries SET hash = 'ab' WHERE id = 2", {2, "changed"}},
        {"a kind this program does not know", "UPDATE entries SET kind = 'other' WHERE id = 4", {4, "changed"}},
        {"one in the middle deleted", "DELETE FROM entries WHERE id = 2", {2, "removed"}},
        {"the last one deleted", "DELETE FROM entries WHERE id = 5", {5, "removed"}},
        {"one slipped in past the head", "INSERT INTO entries (id, kind, hash) VALUES (6, 'write', 'x')", {6, "added"}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const HistoryPlace place = freshPlace();
        HistoryStoreSql store(place);
        ASSERT_TRUE(store.open()) << store.errorString();
        std::vector<HistoryEntry> entries(5, entry(EntryKind::Write, "PT-1", "01", "OL", 1000));
        ASSERT_TRUE(store.append(entries));
        tamper(place, row.sql);
        const auto found = store.checkChain();
        ASSERT_TRUE(found) << store.errorString();
        EXPECT_EQ(found->id, row.expected.id);
        EXPECT_EQ(found->why, row.expected.why);
    }
}

// A newer schema is refused; one from before report numbers gets their
// table and keeps its entries and chain.
TEST_P(HistoryBackends, NewerSchemaIsRefusedAndAnOlderOneMigrates)
{
    const HistoryPlace place = freshPlace();
    std::vector<HistoryEntry> entries(3, entry(EntryKind::Write, "PT-1", "01", "OL", 1000));
    {
        HistoryStoreSql store(place);
        ASSERT_TRUE(store.open() && store.append(entries)) << store.errorString();
    }
    tamper(place, "UPDATE schema_version SET version = 7");
    HistoryStoreSql newer(place);
    EXPECT_FALSE(newer.open());
    EXPECT_NE(newer.errorString().find("schema version 7; this Ortavel knows up to 2"), std::string::npos)
        << newer.errorString();
    std::vector<HistoryEntry> one{entry(EntryKind::Write, "PT-1", "01", "OL", 1000)};
    EXPECT_FALSE(newer.append(one));
    tamper(place, "DROP TABLE report_number");
    tamper(place, "UPDATE schema_version SET version = 1");
    HistoryStoreSql older(place);
    ASSERT_TRUE(older.open()) << older.errorString();
    const auto all = stored(older);
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all.back().hash, entries.back().hash);
    EXPECT_EQ(older.checkChain().value_or(ChainBreak{-1, "unreadable"}).id, 0);
    EXPECT_EQ(older.nextReportSequence("CAL", 2026), 1) << older.errorString();
}

TEST_P(HistoryBackends, ReportNumbersCountPerPrefixAndYearOverTwoConnections)
{
    const HistoryPlace place = freshPlace();
    HistoryStoreSql a(place);
    HistoryStoreSql b(place);
    ASSERT_TRUE(a.open() && b.open()) << a.errorString() << b.errorString();
    const struct {
        const char *name;
        HistoryStore &store;
        const char *prefix;
        int year;
        int expected;
    } rows[] = {
        {"the first of a prefix and year", a, "CAL", 2026, 1},
        {"the other connection goes on from it", b, "CAL", 2026, 2},
        {"and back", a, "CAL", 2026, 3},
        {"another year starts anew", b, "CAL", 2027, 1},
        {"an empty prefix is a prefix of its own", a, "", 2026, 1},
        {"case tells prefixes apart", b, "cal", 2026, 1},
        {"the first prefix kept its count", b, "CAL", 2026, 4},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.store.nextReportSequence(row.prefix, row.year), row.expected) << row.store.errorString();
    }
}

// `--take-numbers PLACE COUNT`: one of the programs below; prints each number.
int takeNumbersAsHelper(const std::string &placeText, int count)
{
    std::string error;
    HistoryStoreSql store(parseHistoryPlace(placeText, error).value_or(HistoryPlace{}));
    if (!store.open())
        return 1;
    for (int i = 0; i < count; ++i) {
        const auto sequence = store.nextReportSequence("CAL", 2026);
        if (!sequence)
            return 2;
        std::printf("%d\n", *sequence);
    }
    return 0;
}

TEST_P(HistoryBackends, ThreeProgramsTakingReportNumbersAtOnceNeverShareOne)
{
    constexpr int kEach = 30;
    const HistoryPlace place = freshPlace();
    ASSERT_TRUE(HistoryStoreSql(place).open()); // the schema made before the race
    std::vector<std::unique_ptr<QProcess>> takers;
    for (int i = 0; i < 3; ++i) {
        takers.push_back(std::make_unique<QProcess>());
        takers.back()->start(QCoreApplication::applicationFilePath(),
                             {"--take-numbers", QString::fromStdString(place.text()), QString::number(kEach)});
    }
    std::vector<int> taken;
    for (auto &t : takers) {
        ASSERT_TRUE(t->waitForFinished(120000));
        EXPECT_EQ(t->exitCode(), 0);
        for (const QByteArray &line : t->readAllStandardOutput().split('\n'))
            if (!line.isEmpty())
                taken.push_back(line.toInt());
    }
    std::sort(taken.begin(), taken.end());
    std::vector<int> expected(3 * kEach);
    std::iota(expected.begin(), expected.end(), 1);
    EXPECT_EQ(taken, expected);
}

// `--append-history PLACE COUNT NAME`: one of the writers below.
int appendAsHelper(const std::string &placeText, int count, const std::string &name)
{
    std::string error;
    HistoryStoreSql store(parseHistoryPlace(placeText, error).value_or(HistoryPlace{}));
    if (!store.open())
        return 1;
    for (int i = 0; i < count; ++i) {
        std::vector<HistoryEntry> one{entry(EntryKind::Write, name, "01", "OL", i, std::to_string(i))};
        if (!store.append(one))
            return 2;
    }
    return 0;
}

TEST_P(HistoryBackends, FourProgramsAppendingAtOnceLoseAndRepeatNothing)
{
    constexpr int kEach = 40;
    const HistoryPlace place = freshPlace();
    HistoryStoreSql store(place);
    ASSERT_TRUE(store.open()) << store.errorString();
    std::vector<std::unique_ptr<QProcess>> writers;
    for (const char *name : {"A", "B", "C", "D"}) {
        writers.push_back(std::make_unique<QProcess>());
        writers.back()->start(QCoreApplication::applicationFilePath(),
                              {"--append-history", QString::fromStdString(place.text()), QString::number(kEach), name});
    }
    for (auto &w : writers) {
        ASSERT_TRUE(w->waitForFinished(120000));
        EXPECT_EQ(w->exitCode(), 0);
    }
    const auto all = stored(store);
    ASSERT_EQ(all.size(), 4u * kEach);
    std::map<std::string, int> nextOfWriter;
    for (std::size_t i = 0; i < all.size(); ++i) {
        ASSERT_EQ(all[i].id, static_cast<std::int64_t>(i + 1));
        EXPECT_EQ(all[i].sent, std::to_string(nextOfWriter[all[i].identity.ident]++));
    }
    EXPECT_EQ(store.checkChain().value_or(ChainBreak{-1, "unreadable"}).id, 0);
}

// The store goes away in the middle of a session: PostgreSQL stops; SQLite
// stays locked by another program past the busy timeout.
TEST_P(HistoryBackends, WriterSpoolsWhileTheStoreIsAwayAndLosesNothing)
{
    const HistoryPlace place = freshPlace();
    const std::string spool = m_dir.filePath("spool.sqlite").toStdString();
    QSqlDatabase locker = QSqlDatabase::addDatabase("QSQLITE", "locker");
    locker.setDatabaseName(QString::fromStdString(place.target));
    QSqlQuery lock(locker);
    const std::function<void(bool)> away = [&](bool isAway) {
#if ORTAVEL_TEST_POSTGRES
        if (GetParam() == Backend::Postgres) {
            ASSERT_TRUE(isAway ? server().stop() : server().start()) << server().error();
            return;
        }
#endif
        ASSERT_TRUE(isAway ? locker.open() && lock.exec("BEGIN IMMEDIATE") : lock.exec("ROLLBACK"));
    };
    int sent = 0;
    const auto post = [&](HistoryWriter &w, int count) {
        for (int i = 0; i < count; ++i)
            w.post(entry(EntryKind::Write, "PT-1", "01", "OL", 1000, std::to_string(sent++)));
    };
    {
        HistoryWriter first(place, spool);
        post(first, 3);
        ASSERT_TRUE(first.flush(10000));
        away(true);
        post(first, 4);
        ASSERT_TRUE(first.flush(20000));
        EXPECT_EQ(first.spooled(), 4);
        const std::string trouble = first.trouble().value_or("");
        EXPECT_NE(trouble.find("History " + place.text() + " cannot be written ("), std::string::npos) << trouble;
        EXPECT_NE(trouble.find("; 4 entries wait in " + spool), std::string::npos) << trouble;
        post(first, 2); // left to the destructor
    }
    HistoryWriter second(place, spool);
    post(second, 2);
    ASSERT_TRUE(second.flush(20000));
    EXPECT_EQ(second.spooled(), 8);
    away(false);
    post(second, 1);
    for (int i = 0; i < 100 && (second.spooled() > 0 || second.trouble()); ++i)
        QThread::msleep(100);
    ASSERT_TRUE(second.flush(10000));
    EXPECT_EQ(second.trouble(), std::nullopt);
    HistoryStoreSql store(place);
    ASSERT_TRUE(store.open()) << store.errorString();
    const auto all = stored(store);
    ASSERT_EQ(all.size(), 12u);
    for (std::size_t i = 0; i < all.size(); ++i)
        EXPECT_EQ(all[i].sent, std::to_string(i));
    EXPECT_EQ(store.checkChain().value_or(ChainBreak{-1, "unreadable"}).id, 0);
    lock = QSqlQuery();
    locker = QSqlDatabase();
    QSqlDatabase::removeDatabase("locker");
}

INSTANTIATE_TEST_SUITE_P(Backends, HistoryBackends, testing::ValuesIn(kBackends),
                         [](const testing::TestParamInfo<Backend> &p) {
                             return p.param == Backend::Sqlite ? "SQLite" : "PostgreSQL";
                         });

TEST(HistoryPlace, ParsesTheTwoBackendsAndRefusesAPassword)
{
    const struct {
        const char *name;
        const char *text;
        const char *placeOrError; // the place's text, or a part of the reason
    } rows[] = {
        {"an SQLite file", "sqlite:/var/lib/h.sqlite", "sqlite:/var/lib/h.sqlite"},
        {"a libpq service name", "postgresql:plant", "postgresql:plant"},
        {"a connection string", "postgresql:host=db port=5433 dbname=h sslmode=require",
         "postgresql:host=db port=5433 dbname=h sslmode=require"},
        {"a quoted value with a space", "postgresql:host=db application_name='a b'",
         "postgresql:host=db application_name='a b'"},
        {"a password, never stored", "postgresql:host=db password=x", "holds no password"},
        {"a quoted password", "postgresql:host=db password = 'x y'", "holds no password"},
        {"an unclosed quote", "postgresql:host='db", "closing quote"},
        {"a key without value", "postgresql:host=db sslmode", "has no value"},
        {"no file", "sqlite:", "needs a file path"},
        {"another database", "mysql:h", "sqlite:PATH"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        std::string error;
        const auto place = parseHistoryPlace(row.text, error);
        EXPECT_NE((place ? place->text() : error).find(row.placeOrError), std::string::npos) << error;
    }
}

TEST(ReportNumbers, ComeFromTheHistoryElseTheLocalCounterWhichFollowsIt)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("history.sqlite").toStdString();
    const HistoryPlace history{HistoryPlace::Backend::Sqlite, path};
    const HistoryPlace away{HistoryPlace::Backend::Sqlite, "/dev/null/history.sqlite"};
    SettingsStoreQt settings(dir.path());
    const struct {
        const char *name;
        std::optional<HistoryPlace> place;
        const char *prefix;
        const char *expected; // the number, or a part of the reason
        const char *source = "the local counter";
    } rows[] = {
        {"no history: the local counter", std::nullopt, "CAL", "CAL-2026-0001"},
        {"the local counter goes on", std::nullopt, "CAL", "CAL-2026-0002"},
        {"a prefix of its own, escaped", std::nullopt, "A/B c", "A/B c-2026-0001"},
        {"no prefix, no dash", std::nullopt, "", "2026-0001"},
        {"a kept history counts on its own", history, "CAL", "CAL-2026-0001", "the history at sqlite:"},
        {"and goes on", history, "CAL", "CAL-2026-0002", "the history at sqlite:"},
        {"a third from the history", history, "CAL", "CAL-2026-0003", "the history at sqlite:"},
        {"a history out of reach: the local counter, past the history's", away, "CAL", "CAL-2026-0004",
         "since the history at sqlite:/dev/null/history.sqlite could not give one"},
        {"four digits at least, then more", std::nullopt, "BIG", "BIG-2026-10000"},
        {"a count that is not one is refused, not restarted", away, "BAD", "holds \"x\", not a count"},
    };
    settings.setValue("Ortavel", "Verification", "LastReportNumber/2026/_BIG", "9999");
    settings.setValue("Ortavel", "Verification", "LastReportNumber/2026/_BAD", "x");
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const auto numbers = openReportNumbers(row.place, settings, row.prefix);
        const auto number = numbers->next(2026);
        EXPECT_NE((number ? number->text : numbers->errorString()).find(row.expected), std::string::npos)
            << numbers->errorString();
        if (number) {
            EXPECT_NE(number->source.find(row.source), std::string::npos) << number->source;
        }
    }
}

TEST(HistoryWriter, KeepsEntriesInMemoryAndSaysSoWhenNothingCanBeWritten)
{
    HistoryWriter writer({HistoryPlace::Backend::Sqlite, "/dev/null/history.sqlite"}, "/dev/null/spool.sqlite");
    writer.post(entry(EntryKind::Write, "PT-1", "01", "OL", 1000));
    ASSERT_TRUE(writer.flush(10000));
    const std::string trouble = writer.trouble().value_or("");
    EXPECT_NE(trouble.find("cannot be written"), std::string::npos) << trouble;
    EXPECT_NE(trouble.find("1 more entry is kept in memory only"), std::string::npos) << trouble;
}

} // namespace
} // namespace ortavel::test

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 5 && std::string(argv[1]) == "--append-history")
        return ortavel::test::appendAsHelper(argv[2], std::atoi(argv[3]), argv[4]);
    if (argc == 4 && std::string(argv[1]) == "--take-numbers")
        return ortavel::test::takeNumbersAsHelper(argv[2], std::atoi(argv[3]));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
