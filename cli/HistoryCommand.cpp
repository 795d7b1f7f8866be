#include "HistoryCommand.h"

#include "AddressText.h"
#include "CommonOptions.h"
#include "JsonText.h"
#include "RunHistory.h"
#include "SearchOptions.h"
#include "TextTable.h"
#include "adapters/SettingsStoreQt.h"
#include "history/HistoryQueries.h"
#include "traffic/TrafficLine.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <functional>

namespace ortavel::cli {

namespace {

constexpr const char *kHistoryUsage =
    "history takes [ID | --address ADDR] [--since DATE] [--parameter P] [--json | --csv], or --check";

// One column of the output, for the text, the CSV and the JSON alike.
template <typename Row> struct Column {
    const char *name;
    std::function<std::string(const Row &)> text;
};

const std::vector<Column<HistoryEntry>> &entryColumns()
{
    static const std::vector<Column<HistoryEntry>> columns = {
        {"entry", [](const HistoryEntry &e) { return std::to_string(e.id); }},
        {"time", [](const HistoryEntry &e) { return timeText(e.timeMs, e.utcOffsetMinutes); }},
        {"kind", [](const HistoryEntry &e) { return std::string(kindName(e.kind)); }},
        {"ident", [](const HistoryEntry &e) { return e.identity.ident; }},
        {"type", [](const HistoryEntry &e) { return e.identity.type; }},
        {"version", [](const HistoryEntry &e) { return e.identity.version; }},
        {"sensor_low", [](const HistoryEntry &e) { return e.identity.sensorLow; }},
        {"sensor_high", [](const HistoryEntry &e) { return e.identity.sensorHigh; }},
        {"login", [](const HistoryEntry &e) { return e.origin.login; }},
        {"operator", [](const HistoryEntry &e) { return e.origin.operatorName; }},
        {"host", [](const HistoryEntry &e) { return e.origin.host; }},
        {"program", [](const HistoryEntry &e) { return e.origin.program; }},
        {"port", [](const HistoryEntry &e) { return e.port; }},
        {"baud", [](const HistoryEntry &e) { return e.baud != 0 ? std::to_string(e.baud) : std::string(); }},
        {"address", [](const HistoryEntry &e) { return e.address; }},
        {"parameter", [](const HistoryEntry &e) { return e.parameter; }},
        {"before", [](const HistoryEntry &e) { return e.before; }},
        {"sent", [](const HistoryEntry &e) { return e.sent; }},
        {"echo", [](const HistoryEntry &e) { return e.echo; }},
        {"result", [](const HistoryEntry &e) { return e.result; }},
    };
    return columns;
}

std::string dateOrEmpty(const std::optional<std::int64_t> &ms)
{
    return ms ? localTimeText(*ms) : std::string();
}

const std::vector<Column<TransmitterSummary>> &summaryColumns()
{
    using S = TransmitterSummary;
    static const std::vector<Column<S>> columns = {
        {"ident", [](const S &s) { return s.ident; }},
        {"type", [](const S &s) { return s.type; }},
        {"version", [](const S &s) { return s.version; }},
        {"last_seen", [](const S &s) { return timeText(s.lastSeenMs, s.lastSeenOffsetMinutes); }},
        {"port", [](const S &s) { return s.lastPort; }},
        {"address", [](const S &s) { return s.lastAddress; }},
        {"last_verification", [](const S &s) { return dateOrEmpty(s.lastVerificationMs); }},
        {"verdict", [](const S &s) { return s.lastVerdict; }},
        {"interval_months", [](const S &s) { return std::to_string(s.intervalMonths); }},
        {"due", [](const S &s) { return dateOrEmpty(s.dueMs); }},
        {"changed_since_verification",
         [](const S &s) { return std::string(s.changedSinceVerification ? "yes" : "no"); }},
    };
    return columns;
}

std::string csvField(const std::string &text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

// The rows in the chosen form; `detail` adds an entry's detail to the CSV
// and the JSON (the text leaves it out: --json shows it whole).
template <typename Row>
void print(const std::vector<Row> &rows, const std::vector<Column<Row>> &columns, bool json, bool csv,
           const std::function<std::string(const Row &)> &detail = {})
{
    if (json) {
        QJsonArray list;
        for (const Row &row : rows) {
            QJsonObject item;
            for (const auto &column : columns)
                item.insert(column.name, QString::fromStdString(column.text(row)));
            if (detail) {
                const auto parsed = QJsonDocument::fromJson(QByteArray::fromStdString(detail(row)));
                item.insert("detail", parsed.isObject() ? QJsonValue(parsed.object()) : QJsonValue());
            }
            list.append(item);
        }
        printJson(list);
        return;
    }
    if (csv) {
        std::string out;
        for (std::size_t i = 0; i < columns.size(); ++i)
            out += (i == 0 ? "" : ",") + std::string(columns[i].name);
        out += detail ? ",detail\n" : "\n";
        for (const Row &row : rows) {
            for (std::size_t i = 0; i < columns.size(); ++i)
                out += (i == 0 ? "" : ",") + csvField(columns[i].text(row));
            out += detail ? "," + csvField(detail(row)) + "\n" : "\n";
        }
        std::fputs(out.c_str(), stdout);
        return;
    }
    std::vector<std::string> header;
    header.reserve(columns.size());
    for (const auto &column : columns)
        header.emplace_back(column.name);
    TextTable table(header);
    for (const Row &row : rows) {
        std::vector<std::string> cells;
        for (const auto &column : columns) {
            const std::string text = escapeControls(column.text(row));
            cells.push_back(text.empty() ? "-" : text);
        }
        table.addRow(std::move(cells));
    }
    std::fputs(table.text().c_str(), stdout);
}

// YYYY-MM-DD as local midnight, or an ISO time (local unless it says its offset).
std::optional<std::int64_t> parseSince(const std::string &text)
{
    const QString value = QString::fromStdString(text);
    const QDate date = QDate::fromString(value, "yyyy-MM-dd");
    if (date.isValid())
        return date.startOfDay().toMSecsSinceEpoch();
    const QDateTime time = QDateTime::fromString(value, Qt::ISODateWithMs);
    if (time.isValid() && value.contains('T'))
        return time.toMSecsSinceEpoch();
    return std::nullopt;
}

} // namespace

bool HistoryCommand::parse(const std::vector<std::string> &args, const CommonOptions &options, std::string &error)
{
    std::vector<std::string> rest = args;
    m_check = takeFlag(rest, "--check");
    const bool json = takeFlag(rest, "--json") || options.json;
    const bool csv = takeFlag(rest, "--csv");
    std::string address;
    std::string since;
    bool hasAddress = false;
    bool hasSince = false;
    bool hasParameter = false;
    if (!takeOption(rest, "--address", address, hasAddress, error) ||
        !takeOption(rest, "--since", since, hasSince, error) ||
        !takeOption(rest, "--parameter", m_filter.parameter, hasParameter, error))
        return false;
    const bool hasIdent = rest.size() == 1 && !rest.front().starts_with("--");
    if (rest.size() > (hasIdent ? 1U : 0U) || (hasIdent && hasAddress) || (json && csv) ||
        (m_check && (hasIdent || hasAddress || hasSince || hasParameter || csv))) {
        error = kHistoryUsage;
        return false;
    }
    if ((hasSince || hasParameter) && !hasIdent && !hasAddress) {
        error = "--since and --parameter need an ID or --address";
        return false;
    }
    m_output = json ? Output::Json : (csv ? Output::Csv : Output::Text);
    if (hasIdent)
        m_filter.ident = rest.front();
    if (hasAddress) {
        const auto number = parseAddress(address);
        if (!number) {
            error = "--address takes an address from 1 to 99";
            return false;
        }
        m_filter.address = formatAddress(*number);
    }
    if (hasSince) {
        m_filter.sinceMs = parseSince(since);
        if (!m_filter.sinceMs) {
            error = "--since takes a date YYYY-MM-DD or an ISO time (2026-12-07T17:20:51+01:00)";
            return false;
        }
    }
    return true;
}

int HistoryCommand::run(Bus &, const CommonOptions &options)
{
    return runWithoutPort(options);
}

int HistoryCommand::runWithoutPort(const CommonOptions &options)
{
    std::string error;
    const auto store = openHistoryStore(options, error);
    if (!store) {
        std::fprintf(stderr, "ortavel-cli: %s\n", error.c_str());
        return kExitUsage;
    }
    if (m_check)
        return check(*store);
    if (m_filter.ident.empty() && m_filter.address.empty())
        return known(*store, options);
    return entries(*store);
}

int HistoryCommand::check(HistoryStore &store) const
{
    const auto broken = store.checkChain();
    const auto all = broken ? store.entries({}) : std::nullopt;
    if (!broken || !all) {
        std::fprintf(stderr, "ortavel-cli: history: cannot be read: %s\n", store.errorString().c_str());
        return kExitUsage;
    }
    if (broken->id != 0) {
        std::printf("history broken: entry %lld %s\n", static_cast<long long>(broken->id), broken->why.c_str());
        return kExitFailed;
    }
    std::printf("history intact: %zu entries\n", all->size());
    return kExitOk;
}

int HistoryCommand::entries(HistoryStore &store) const
{
    const auto found = historyOf(store, m_filter);
    if (!found) {
        std::fprintf(stderr, "ortavel-cli: history: cannot be read: %s\n", store.errorString().c_str());
        return kExitUsage;
    }
    print<HistoryEntry>(*found, entryColumns(), m_output == Output::Json, m_output == Output::Csv,
                        [](const HistoryEntry &e) { return e.detail; });
    return kExitOk;
}

int HistoryCommand::known(HistoryStore &store, const CommonOptions &options) const
{
    const SettingsStoreQt settings(QString::fromStdString(options.settingsDir));
    const auto all = transmitters(store, defaultIntervalMonths(settings));
    if (!all) {
        std::fprintf(stderr, "ortavel-cli: history: cannot be read: %s\n", store.errorString().c_str());
        return kExitUsage;
    }
    print<TransmitterSummary>(*all, summaryColumns(), m_output == Output::Json, m_output == Output::Csv);
    return kExitOk;
}

} // namespace ortavel::cli
