#include "ui/HistoryWindow.h"
#include "adapters/HistoryStoreSql.h"
#include "history/FrmHistory.h"
#include "mainwin/FakeServices.h"
#include "support/MemoryHistory.h"
#include "support/MemorySettingsStore.h"

#include <QBrush>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ortavel::test {
namespace {

constexpr std::int64_t kDayMs = 24LL * 60 * 60 * 1000;
constexpr std::int64_t kStart = 1'780'000'000'000; // 2026-05-28, UTC

HistoryEntry entry(EntryKind kind, const std::string &ident, int day, const std::string &parameter,
                   const std::string &before = "", const std::string &sent = "", const std::string &detail = "")
{
    HistoryEntry e;
    e.kind = kind;
    e.timeMs = kStart + day * kDayMs;
    e.origin = {"jdoe", "Doe, J.", "bench", "ortavel 1.35"};
    e.address = "07";
    e.identity.ident = ident;
    e.identity.type = "PT100";
    e.parameter = parameter;
    e.before = before;
    e.sent = sent;
    e.echo = sent;
    e.result = kind == EntryKind::Verification ? "pass" : "confirmed";
    e.detail = detail;
    return e;
}

std::string snapshotOf(const std::string &ol)
{
    return R"({"fields":[{"parameter":"ID","value":"SN1","good":true},{"parameter":"OL","value":")" + ol +
           R"(","good":true}]})";
}

struct Rig {
    explicit Rig(const std::string &path) : store(HistoryPlace{HistoryPlace::Backend::Sqlite, path}) {}
    HistoryWindow open()
    {
        return HistoryWindow(std::make_unique<FrmHistory>(
            store, [this] { return store.isOpen() || store.open(); }, memory.recorder, settings, messages,
            [] {
                return TimeStamp{kStart + 400 * kDayMs, 0};
            }));
    }
    HistoryStoreSql store;
    MemoryHistory memory;
    MemorySettingsStore settings;
    FakeMessageBox messages;
};

QStringList column(const QTableView *table, int col)
{
    QStringList out;
    for (int row = 0; row < table->model()->rowCount(); ++row)
        out << table->model()->index(row, col).data().toString();
    return out;
}

// On a store written and reopened: the transmitters, the chosen one's changes newest first and filtered, the
// snapshots side by side with the differing row marked, the drift and the CSV of what is shown.
TEST(HistoryWindow, ShowsTheStoredHistoryFilteredComparedAndSaved)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("history.sqlite")).toStdString();
    {
        HistoryStoreSql writer(HistoryPlace{HistoryPlace::Backend::Sqlite, path});
        ASSERT_TRUE(writer.open()) << writer.errorString();
        std::vector<HistoryEntry> entries = {
            entry(EntryKind::Snapshot, "SN1", 0, "", "", "", snapshotOf("+000.0")),
            entry(EntryKind::Write, "SN1", 1, "OL", "+000.0", "+001.0"),
            entry(EntryKind::Write, "SN1", 2, "DL", "+000.0", "-005.0"),
            entry(EntryKind::Snapshot, "SN1", 3, "", "", "", snapshotOf("+001.0")),
            entry(EntryKind::Verification, "SN1", 4, "as-left", "", "", R"({"points":[{"nominal":0,"error":0.05}]})"),
            entry(EntryKind::Write, "SN2", 5, "ID", "X", "SN2"),
            entry(EntryKind::Write, "SN1", 6, "UT", "2", "2"), // the value read, written back: no change
            entry(EntryKind::Verification, "SN3", 4, "as-left", "", "", "{}"),
            entry(EntryKind::Write, "SN3", 7, "OL", "+000.0", "+002.0"),
        };
        ASSERT_TRUE(writer.append(entries)) << writer.errorString();
    }
    Rig rig(path);
    HistoryWindow window = rig.open();
    FrmHistory &m = window.model();
    EXPECT_EQ(column(window.table("transmitters"), 0), (QStringList{"SN3", "SN1", "SN2"}));
    // 12 months after the pass; a change since then is marked
    EXPECT_EQ(column(window.table("transmitters"), 7), (QStringList{"2027-06-01", "2027-06-01", "-"}));
    EXPECT_EQ(column(window.table("transmitters"), 8), (QStringList{"changed", "", ""}));
    m.cmbTransmitter.choose(1);

    const struct {
        const char *name;
        int parameter; // in the list: All, DL, OL
        const char *since;
        QStringList shown;
    } filters[] = {
        {"all, newest first", 0, "", {"UT", "DL", "OL"}},
        {"by parameter", 2, "", {"OL"}},
        {"since a day", 0, "2026-05-30", {"UT", "DL"}},
        {"a day not understood shows all", 0, "30.5.2026", {"UT", "DL", "OL"}},
    };
    for (const auto &f : filters) {
        SCOPED_TRACE(f.name);
        m.cmbParameter.choose(f.parameter);
        m.txtSince.type(f.since);
        EXPECT_EQ(column(window.table("changes"), 3), f.shown);
    }

    const QTableView *comparison = window.table("comparison");
    EXPECT_EQ(column(comparison, 0), (QStringList{"ID", "OL"}));
    EXPECT_EQ(column(comparison, 1), (QStringList{"SN1", "+000.0"}));
    EXPECT_EQ(column(comparison, 2), (QStringList{"SN1", "+001.0"}));
    EXPECT_FALSE(comparison->model()->index(0, 0).data(Qt::BackgroundRole).isValid());
    EXPECT_EQ(comparison->model()->index(1, 0).data(Qt::BackgroundRole).value<QBrush>().color(),
              HistoryWindow::markColor());
    EXPECT_EQ(column(window.table("drift"), 3), QStringList{"0.05"});

    // The interval set here is one entry of the transmitter; a value out of range is refused with a message.
    for (const char *months : {"0", "6"}) {
        m.txtInterval.type(months);
        m.cmdInterval.click();
    }
    ASSERT_EQ(rig.memory.store.all().size(), 1U);
    EXPECT_EQ(rig.memory.store.all()[0].identity.ident, "SN1");
    EXPECT_EQ(rig.memory.store.all()[0].sent, "6");
    EXPECT_EQ(rig.messages.shown.size(), 1U);

    const QString csv = dir.filePath(QStringLiteral("changes.csv"));
    ASSERT_TRUE(m.saveCsv(csv.toStdString()));
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[2].contains(",write,07,DL,+000.0,-005.0,-005.0,confirmed,jdoe,\"Doe, J.\",bench,"))
        << lines[2].toStdString();
    EXPECT_TRUE(lines[3].contains(",OL,+000.0,+001.0,")) << lines[3].toStdString();
}

// An empty store and one out of reach leave the tables empty and say why.
TEST(HistoryWindow, AnEmptyOrUnreachableStoreShowsWhy)
{
    QTemporaryDir dir;
    QFile notAFolder(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(notAFolder.open(QIODevice::WriteOnly));
    const struct {
        const char *name;
        std::string path;
        const char *status;
    } rows[] = {
        {"empty", dir.filePath(QStringLiteral("empty.sqlite")).toStdString(), "holds no transmitter"},
        {"unreachable", dir.filePath(QStringLiteral("file/h.sqlite")).toStdString(), "cannot be reached"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        Rig rig(row.path);
        HistoryWindow window = rig.open();
        window.model().cmdRefresh.click();
        EXPECT_NE(window.model().lblStatus.caption().find(row.status), std::string::npos)
            << window.model().lblStatus.caption();
        for (const char *table : {"transmitters", "due", "changes", "comparison", "drift"})
            EXPECT_EQ(window.table(table)->model()->rowCount(), 0) << table;
    }
}

} // namespace
} // namespace ortavel::test
