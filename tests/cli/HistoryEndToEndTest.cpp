// ortavel-cli's instrument history against the simulator: what writes, reads and runs leave in it, what `history`
// shows of that, the chain check and the due list.

#include "reliability/Programs.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <map>
#include <sstream>

namespace ortavel::test {
namespace {

// The cells of a text table, cut where its header's names start.
std::vector<std::map<QString, QString>> cellsOf(const std::string &text)
{
    std::istringstream in(text);
    std::string header;
    std::getline(in, header);
    std::vector<std::pair<std::size_t, QString>> columns;
    for (std::size_t at = 0; at < header.size();) {
        const std::size_t end = std::min(header.find(' ', at), header.size());
        columns.emplace_back(at, QString::fromStdString(header.substr(at, end - at)));
        at = header.find_first_not_of(' ', end);
    }
    std::vector<std::map<QString, QString>> rows;
    for (std::string line; std::getline(in, line);) {
        auto &row = rows.emplace_back();
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const std::size_t end = i + 1 < columns.size() ? columns[i + 1].first : std::string::npos;
            row[columns[i].second] =
                QString::fromStdString(line.substr(columns[i].first, end - columns[i].first)).trimmed();
        }
    }
    return rows;
}

class HistoryEndToEndTest : public DemoLine {
protected:
    std::string path(const std::string &name) const { return m_folder.path().toStdString() + "/" + name; }
    CliResult record(std::vector<std::string> arguments, const std::string &file = "history.sqlite")
    {
        arguments.insert(arguments.begin(), {"--history", "sqlite:" + path(file)});
        return run(arguments);
    }
    QJsonArray json(std::vector<std::string> arguments, const std::string &file = "history.sqlite")
    {
        arguments.emplace_back("--json");
        const auto result = record(arguments, file);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return jsonArrayOf(result.out);
    }
    // The entries of one kind, newest first.
    QJsonArray entries(std::vector<std::string> arguments, const char *kind)
    {
        QJsonArray found;
        for (const auto &entry : json(std::move(arguments))) {
            if (entry.toObject()["kind"] == kind)
                found.append(entry);
        }
        return found;
    }
};

TEST_F(HistoryEndToEndTest, EachWriteThatWentOutLeavesOneEntryWithWhatItReplacedSentAndGot)
{
    EXPECT_EQ(record({"--operator", "Jan", "set", "1", "id=Z42", "type=ABCDEFGHIJKLMNOPQ"}).exitCode, 1);
    EXPECT_EQ(record({"zero", "5"}).exitCode, 1);
    EXPECT_EQ(record({"set", "1", "decimals=9"}).exitCode, 2);
    const struct {
        const char *name;
        const char *address;
        const char *parameter;
        const char *before;
        const char *sent;
        const char *echo;
        const char *result;
        const char *ident = "A1001";
    } rows[] = {
        {"a confirmed write", "1", "ID", "A1001", "Z42", "Z42", "confirmed"},
        {"a write answered with the old value", "1", "TY", "QX820", "ABCDEFGHIJKLMNOPQ", "QX820", "echo differs"},
        {"a silent transmitter", "5", "SZ", "", "SZ", "ERR 0", "no reply", ""},
    };
    std::map<std::string, QJsonArray> writes = {{"1", {}}, {"5", {}}};
    for (auto &[address, all] : writes)
        all = entries({"history", "--address", address}, "write");
    // The refused write sent nothing, so it left nothing either; reads leave no entry of their own.
    EXPECT_EQ(writes["1"].size() + writes["5"].size(), 3);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const QJsonArray &all = writes[row.address];
        QJsonArray found;
        for (const auto &entry : all) {
            if (entry.toObject()["parameter"] == row.parameter)
                found.append(entry);
        }
        ASSERT_EQ(found.size(), 1) << QJsonDocument(all).toJson().toStdString();
        const QJsonObject e = found.first().toObject();
        EXPECT_EQ(e["before"], row.before);
        EXPECT_EQ(e["sent"], row.sent);
        EXPECT_EQ(e["echo"], row.echo);
        EXPECT_EQ(e["result"], row.result);
        EXPECT_EQ(e["ident"], row.ident);
        EXPECT_EQ(e["port"].toString().toStdString(), m_link);
        EXPECT_EQ(e["baud"], "9600");
        EXPECT_TRUE(e["program"].toString().startsWith("ortavel-cli 1.")) << e["program"].toString().toStdString();
        EXPECT_EQ(e["operator"], std::string(row.address) == "1" ? "Jan" : "");
    }
}

TEST_F(HistoryEndToEndTest, ReadLeavesASnapshotAndTheTextShowsEveryFieldTheJsonHas)
{
    ASSERT_EQ(record({"read", "1"}).exitCode, 0);
    ASSERT_EQ(record({"set", "1", "id=Z42"}).exitCode, 0);
    const QJsonArray snapshots = entries({"history", "Z42"}, "snapshot");
    ASSERT_EQ(snapshots.size(), 1);
    EXPECT_EQ(snapshots[0].toObject()["result"], "confirmed");
    const QJsonArray fields = snapshots[0].toObject()["detail"].toObject()["fields"].toArray();
    EXPECT_EQ(fields.size(), 30);
    EXPECT_TRUE(fields.contains(QJsonObject{{"parameter", "TY"}, {"value", "QX820"}, {"good", true}}));
    EXPECT_TRUE(fields.contains(QJsonObject{{"parameter", "UC1"}, {"value", "+50.000"}, {"good", true}}));

    const struct {
        const char *name;
        std::vector<std::string> arguments;
        int rows;
    } views[] = {
        {"one transmitter under the ID it had before", {"history", "A1001"}, 2},
        {"one address", {"history", "--address", "01"}, 2},
        {"every transmitter known", {"history"}, 1},
    };
    for (const auto &view : views) {
        SCOPED_TRACE(view.name);
        const QJsonArray list = json(view.arguments);
        const auto text = record(view.arguments);
        const auto rows = cellsOf(text.out);
        ASSERT_EQ(list.size(), view.rows) << text.out;
        ASSERT_EQ(rows.size(), list.size()) << text.out;
        auto csv = view.arguments;
        csv.emplace_back("--csv");
        const std::string csvOut = record(csv).out;
        EXPECT_EQ(std::count(csvOut.begin(), csvOut.end(), '\n'), list.size() + 1) << csvOut;
        for (qsizetype i = 0; i < list.size(); ++i) {
            QJsonObject item = list[i].toObject();
            item.remove("detail"); // a whole document: --json only
            EXPECT_EQ(rows[static_cast<std::size_t>(i)].size(), static_cast<std::size_t>(item.size())) << text.out;
            for (auto it = item.begin(); it != item.end(); ++it) {
                const QString value = it->toString().isEmpty() ? "-" : it->toString();
                const auto cell = rows[static_cast<std::size_t>(i)].find(it.key());
                ASSERT_NE(cell, rows[static_cast<std::size_t>(i)].end()) << it.key().toStdString() << "\n" << text.out;
                EXPECT_EQ(cell->second, value) << it.key().toStdString();
            }
        }
    }
}

TEST_F(HistoryEndToEndTest, CheckNamesTheFirstEntryChangedOrRemoved)
{
    const struct {
        const char *name;
        const char *file;
        const char *sql;
        const char *out;
    } rows[] = {
        {"a value edited", "edited.sqlite", "UPDATE entries SET sent = '1234' WHERE id = 3",
         "history broken: entry 3 changed\n"},
        {"an entry deleted", "deleted.sqlite", "DELETE FROM entries WHERE id = 3", "history broken: entry 3 removed\n"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_EQ(record({"set", "1", "display_zero=1", "display_full_scale=90", "output_4ma=1"}, row.file).exitCode,
                  0);
        const auto intact = record({"history", "--check"}, row.file);
        EXPECT_EQ(intact.exitCode, 0) << intact.err;
        // The snapshot-free run leaves one entry per write.
        EXPECT_EQ(intact.out, "history intact: 3 entries\n");
        {
            auto db = QSqlDatabase::addDatabase("QSQLITE", row.file);
            db.setDatabaseName(QString::fromStdString(path(row.file)));
            ASSERT_TRUE(db.open());
            QSqlQuery query(db);
            EXPECT_TRUE(query.exec(row.sql));
            EXPECT_EQ(query.numRowsAffected(), 1);
        }
        QSqlDatabase::removeDatabase(row.file);
        const auto broken = record({"history", "--check"}, row.file);
        EXPECT_EQ(broken.exitCode, 1) << broken.err;
        EXPECT_EQ(broken.out, row.out);
    }
}

TEST_F(HistoryEndToEndTest, APassingAsLeftRunMakesTheTransmitterDueAfterItsInterval)
{
    m_server.setPressure(1, 0.0);
    ASSERT_EQ(record({"verify", "1", "--points", "0", "--reference-values", "0", "--as-left", "--csv", path("c.csv")})
                  .exitCode,
              0);
    const QJsonArray runs = entries({"history", "A1001"}, "verification");
    ASSERT_EQ(runs.size(), 1);
    const QJsonObject run = runs[0].toObject();
    EXPECT_EQ(run["parameter"], "as-left");
    EXPECT_EQ(run["result"], "pass");
    const QJsonObject detail = run["detail"].toObject();
    EXPECT_EQ(detail["points"].toArray()[0].toObject()["verdict"], "pass");
    QFile csv(QString::fromStdString(path("c.csv")));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(detail["files"].toArray()[0].toObject()["sha256"],
              QString::fromLatin1(QCryptographicHash::hash(csv.readAll(), QCryptographicHash::Sha256).toHex()));

    const QDateTime ran = QDateTime::fromString(run["time"].toString(), Qt::ISODateWithMs);
    EXPECT_EQ(record({"due"}).out, "none due within 30 days\n");
    const struct {
        const char *name;
        std::vector<std::string> before;
        int months;
    } rows[] = {
        {"the default interval", {}, 12},
        {"an interval of its own", {"due", "--set-interval", "A1001", "1"}, 1},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        if (!row.before.empty()) {
            const auto set = record(row.before);
            EXPECT_EQ(set.exitCode, 0) << set.err;
        }
        const QJsonArray due = json({"due", "--within", "400"});
        ASSERT_EQ(due.size(), 1);
        EXPECT_EQ(due[0].toObject()["ident"], "A1001");
        EXPECT_EQ(due[0].toObject()["interval_months"], row.months);
        EXPECT_EQ(QDateTime::fromString(due[0].toObject()["due"].toString(), Qt::ISODateWithMs),
                  ran.toUTC().addMonths(row.months));
    }
}

} // namespace
} // namespace ortavel::test
