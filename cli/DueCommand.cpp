#include "DueCommand.h"

#include "CommonOptions.h"
#include "JsonText.h"
#include "RunHistory.h"
#include "SearchOptions.h"
#include "TextTable.h"
#include "adapters/SettingsStoreQt.h"
#include "history/HistoryQueries.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>

#include <cmath>
#include <cstdio>

namespace ortavel::cli {

namespace {

constexpr const char *kDueUsage = "due takes [--within DAYS] [--json], or --set-interval ID MONTHS";
constexpr int kMaxDays = 3660;
constexpr int kMaxMonths = 120;
constexpr double kDayMs = 24.0 * 60 * 60 * 1000;

std::string localDate(std::int64_t utcMs)
{
    return QDateTime::fromMSecsSinceEpoch(utcMs).toString("yyyy-MM-dd").toStdString();
}

} // namespace

bool DueCommand::parse(const std::vector<std::string> &args, const CommonOptions &options, std::string &error)
{
    std::vector<std::string> rest = args;
    m_json = takeFlag(rest, "--json") || options.json;
    std::string within;
    bool hasWithin = false;
    if (!takeOption(rest, "--within", within, hasWithin, error))
        return false;
    const auto set = std::find(rest.begin(), rest.end(), "--set-interval");
    if (set != rest.end()) {
        if (rest.size() != 3 || set != rest.begin() || hasWithin || rest[1].empty()) {
            error = kDueUsage;
            return false;
        }
        m_ident = rest[1];
        const auto months = parseBoundedInt(rest[2], 1, kMaxMonths);
        if (!months) {
            error = "--set-interval takes the months as a whole number from 1 to 120";
            return false;
        }
        m_months = *months;
        return true;
    }
    if (!rest.empty()) {
        error = kDueUsage;
        return false;
    }
    if (hasWithin) {
        const auto days = parseBoundedInt(within, 0, kMaxDays);
        if (!days) {
            error = "--within takes the days as a whole number from 0 to 3660";
            return false;
        }
        m_withinDays = *days;
    }
    return true;
}

int DueCommand::run(Bus &, const CommonOptions &options)
{
    return runWithoutPort(options);
}

int DueCommand::runWithoutPort(const CommonOptions &options)
{
    if (!m_ident.empty())
        return setInterval(options);
    std::string error;
    const auto store = openHistoryStore(options, error);
    if (!store) {
        std::fprintf(stderr, "ortavel-cli: %s\n", error.c_str());
        return kExitUsage;
    }
    const SettingsStoreQt settings(QString::fromStdString(options.settingsDir));
    const auto all = transmitters(*store, defaultIntervalMonths(settings));
    if (!all) {
        std::fprintf(stderr, "ortavel-cli: history: cannot be read: %s\n", store->errorString().c_str());
        return kExitUsage;
    }
    const std::int64_t now = QDateTime::currentMSecsSinceEpoch();
    const auto due = dueWithin(*all, now, m_withinDays);
    QJsonArray list;
    TextTable table({"ident", "type", "address", "port", "due", "days", "last as-left pass", "interval"});
    for (const TransmitterSummary &s : due) {
        // Whole days left, rounded down: a transmitter due this morning is overdue.
        const auto days = static_cast<int>(std::floor(static_cast<double>(*s.dueMs - now) / kDayMs));
        const std::string lastPass = s.lastPassMs ? localTimeText(*s.lastPassMs) : std::string();
        list.append(QJsonObject{{"ident", QString::fromStdString(s.ident)},
                                {"type", QString::fromStdString(s.type)},
                                {"address", QString::fromStdString(s.lastAddress)},
                                {"port", QString::fromStdString(s.lastPort)},
                                {"due", QString::fromStdString(localTimeText(*s.dueMs))},
                                {"days_left", days},
                                {"overdue", *s.dueMs < now},
                                {"last_pass", QString::fromStdString(lastPass)},
                                {"interval_months", s.intervalMonths}});
        table.addRow({s.ident, s.type.empty() ? "-" : s.type, s.lastAddress.empty() ? "-" : s.lastAddress,
                      s.lastPort.empty() ? "-" : s.lastPort, localDate(*s.dueMs),
                      *s.dueMs < now ? std::to_string(days) + " (overdue)" : std::to_string(days),
                      s.lastPassMs ? localDate(*s.lastPassMs) : "-", std::to_string(s.intervalMonths) + " months"});
    }
    if (m_json)
        printJson(list);
    else if (due.empty())
        std::printf("none due within %d days\n", m_withinDays);
    else
        std::fputs(table.text().c_str(), stdout);
    return kExitOk;
}

int DueCommand::setInterval(const CommonOptions &options) const
{
    std::string error;
    const SettingsStoreQt settings(QString::fromStdString(options.settingsDir));
    const auto chosen = chosenHistoryPlace(options, settings, error);
    if (!chosen) {
        std::fprintf(stderr, "ortavel-cli: %s\n", error.c_str());
        return kExitUsage;
    }
    HistoryEntry entry;
    entry.kind = EntryKind::Interval;
    const TimeStamp now = systemTimeStamp();
    entry.timeMs = now.utcMs;
    entry.utcOffsetMinutes = now.utcOffsetMinutes;
    entry.origin = runOrigin(options, settings);
    entry.identity.ident = m_ident;
    entry.parameter = "interval";
    entry.sent = std::to_string(m_months);
    entry.result = std::string(kConfirmed);
    HistoryWriter writer(chosen->place, defaultSpoolPath());
    writer.post(std::move(entry));
    writer.flush(15000);
    // It waits in the spool and goes up later; until then `due` does not
    // count with it.
    if (reportTrouble(writer))
        return kExitFailed;
    std::printf("%s: verified every %d months\n", m_ident.c_str(), m_months);
    return kExitOk;
}

} // namespace ortavel::cli
