#include "HistoryQueries.h"

#include "link/Commands.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <chrono>
#include <map>
#include <set>

namespace ortavel {

namespace {

constexpr std::string_view kPass = "pass";
constexpr std::string_view kAsLeft = "as-left";
constexpr std::int64_t kDayMs = 24LL * 60 * 60 * 1000;

bool newerFirst(const HistoryEntry &a, const HistoryEntry &b)
{
    return a.id > b.id;
}

// ID texts joined by confirmed ID changes: each text to every text of its
// group.
class IdentLinks {
public:
    explicit IdentLinks(const std::vector<HistoryEntry> &idWrites)
    {
        for (const HistoryEntry &e : idWrites) {
            if (e.result == kConfirmed && !e.identity.ident.empty() && !e.sent.empty())
                join(e.identity.ident, e.sent);
        }
    }

    std::set<std::string> groupOf(const std::string &ident)
    {
        std::set<std::string> group{ident};
        const std::string root = find(ident);
        for (const auto &[member, parent] : m_parent) {
            (void)parent;
            if (find(member) == root)
                group.insert(member);
        }
        return group;
    }

private:
    std::string find(const std::string &ident)
    {
        auto it = m_parent.find(ident);
        if (it == m_parent.end() || it->second == ident)
            return ident;
        it->second = find(it->second);
        return it->second;
    }
    void join(const std::string &a, const std::string &b)
    {
        m_parent.try_emplace(a, a);
        m_parent.try_emplace(b, b);
        m_parent[find(a)] = find(b);
    }

    std::map<std::string, std::string> m_parent;
};

std::optional<IdentLinks> linksOf(HistoryStore &store)
{
    HistoryFilter idWrites;
    idWrites.kind = EntryKind::Write;
    idWrites.parameter = std::string(cmd::Ident);
    auto writes = store.entries(idWrites);
    if (!writes)
        return std::nullopt;
    return IdentLinks(*writes);
}

std::optional<std::vector<HistoryEntry>> entriesOfGroup(HistoryStore &store, const std::set<std::string> &group,
                                                        HistoryFilter filter)
{
    std::vector<HistoryEntry> all;
    for (const std::string &ident : group) {
        filter.ident = ident;
        auto part = store.entries(filter);
        if (!part)
            return std::nullopt;
        all.insert(all.end(), part->begin(), part->end());
    }
    std::sort(all.begin(), all.end(), newerFirst);
    if (filter.limit > 0 && all.size() > static_cast<std::size_t>(filter.limit))
        all.resize(static_cast<std::size_t>(filter.limit));
    return all;
}

// A write that changed what the transmitter holds: stores and broadcasts
// change nothing of their own, nor does a write of the value it was read
// with (the window writes a read trim or unit straight back).
bool changesConfiguration(const HistoryEntry &e)
{
    return e.kind == EntryKind::Write && (e.result == kConfirmed || e.result == kEchoDiffers) &&
           e.parameter != cmd::SaveUser && e.parameter != cmd::SaveFactory && e.before != e.sent;
}

} // namespace

std::int64_t addMonths(std::int64_t timeMs, int months)
{
    using namespace std::chrono;
    const sys_time<milliseconds> time{milliseconds{timeMs}};
    const sys_days day = floor<days>(time);
    const auto sinceMidnight = time - day;
    year_month_day ymd{day};
    const year_month target = year_month{ymd.year(), ymd.month()} + std::chrono::months{months};
    const year_month_day_last last{target.year(), month_day_last{target.month()}};
    const year_month_day moved{target.year(), target.month(), std::min(ymd.day(), last.day())};
    return (sys_days{moved} + sinceMidnight).time_since_epoch().count();
}

std::optional<std::vector<HistoryEntry>> historyOf(HistoryStore &store, const HistoryFilter &filter)
{
    auto links = linksOf(store);
    if (!links)
        return std::nullopt;
    return entriesOfGroup(store, links->groupOf(filter.ident), filter);
}

std::optional<std::vector<TransmitterSummary>> transmitters(HistoryStore &store, int defaultIntervalMonths)
{
    auto latest = store.latestPerTransmitter();
    auto links = linksOf(store);
    if (!latest || !links)
        return std::nullopt;
    std::sort(latest->begin(), latest->end(), newerFirst);
    std::set<std::string> done;
    std::vector<TransmitterSummary> list;
    for (const HistoryEntry &newest : *latest) {
        if (newest.identity.ident.empty() || done.contains(newest.identity.ident))
            continue;
        const std::set<std::string> group = links->groupOf(newest.identity.ident);
        done.insert(group.begin(), group.end());

        TransmitterSummary s;
        // The group's newest entry may be the ID change itself.
        const bool renamed = newest.kind == EntryKind::Write && newest.parameter == cmd::Ident &&
                             newest.result == kConfirmed && !newest.sent.empty();
        s.ident = renamed ? newest.sent : newest.identity.ident;
        s.type = newest.identity.type;
        s.version = newest.identity.version;
        s.lastSeenMs = newest.timeMs;
        s.lastSeenOffsetMinutes = newest.utcOffsetMinutes;
        s.lastPort = newest.port;
        s.lastAddress = newest.address;
        s.intervalMonths = defaultIntervalMonths;

        HistoryFilter intervals;
        intervals.kind = EntryKind::Interval;
        intervals.limit = 1;
        auto interval = entriesOfGroup(store, group, intervals);
        HistoryFilter runs;
        runs.kind = EntryKind::Verification;
        auto verifications = entriesOfGroup(store, group, runs);
        if (!interval || !verifications)
            return std::nullopt;
        if (!interval->empty()) {
            try {
                s.intervalMonths = std::stoi(interval->front().sent);
            } catch (const std::exception &) {
            }
        }
        std::optional<std::int64_t> lastPassMs;
        if (!verifications->empty()) {
            s.lastVerificationMs = verifications->front().timeMs;
            s.lastVerdict = verifications->front().result;
        }
        for (const HistoryEntry &run : *verifications) {
            if (run.result != kPass)
                continue;
            if (!lastPassMs)
                lastPassMs = run.timeMs;
            if (run.parameter == kAsLeft && !s.dueMs) {
                s.lastPassMs = run.timeMs;
                s.dueMs = addMonths(run.timeMs, s.intervalMonths);
            }
        }
        HistoryFilter writes;
        writes.kind = EntryKind::Write;
        writes.sinceMs = lastPassMs;
        auto changes = entriesOfGroup(store, group, writes);
        if (!changes)
            return std::nullopt;
        s.changedSinceVerification = lastPassMs && std::any_of(changes->begin(), changes->end(), changesConfiguration);
        list.push_back(std::move(s));
    }
    return list;
}

std::vector<TransmitterSummary> dueWithin(const std::vector<TransmitterSummary> &all, std::int64_t nowMs,
                                          int withinDays)
{
    std::vector<TransmitterSummary> due;
    for (const TransmitterSummary &s : all) {
        if (s.dueMs && *s.dueMs < nowMs + std::int64_t{withinDays} * kDayMs)
            due.push_back(s);
    }
    std::sort(due.begin(), due.end(), [](const auto &a, const auto &b) { return *a.dueMs < *b.dueMs; });
    return due;
}

namespace {

std::vector<std::pair<std::string, std::string>> snapshotFields(const HistoryEntry &entry)
{
    std::vector<std::pair<std::string, std::string>> fields;
    const auto detail = nlohmann::json::parse(entry.detail, nullptr, false);
    if (detail.is_discarded() || !detail.contains("fields") || !detail["fields"].is_array())
        return fields;
    for (const auto &field : detail["fields"]) {
        if (field.is_object())
            fields.emplace_back(field.value("parameter", ""), field.value("value", ""));
    }
    return fields;
}

} // namespace

std::vector<SnapshotRow> compareSnapshots(const HistoryEntry &first, const HistoryEntry &second)
{
    const auto a = snapshotFields(first);
    const auto b = snapshotFields(second);
    std::vector<SnapshotRow> rows;
    rows.reserve(a.size() + b.size());
    for (const auto &[parameter, value] : a)
        rows.push_back({parameter, value, "", true});
    for (const auto &field : b) {
        auto it = std::find_if(rows.begin(), rows.end(), [&](const auto &r) { return r.parameter == field.first; });
        if (it == rows.end())
            rows.push_back({field.first, "", field.second, true});
        else
            it->second = field.second;
    }
    for (SnapshotRow &row : rows)
        row.differs = row.first != row.second;
    return rows;
}

std::vector<PointError> pointErrors(const HistoryEntry &verification)
{
    std::vector<PointError> points;
    const auto detail = nlohmann::json::parse(verification.detail, nullptr, false);
    if (detail.is_discarded() || !detail.contains("points") || !detail["points"].is_array())
        return points;
    for (const auto &point : detail["points"]) {
        if (!point.is_object() || !point.contains("nominal") || !point["nominal"].is_number())
            continue;
        PointError p{point["nominal"].get<double>(), std::nullopt};
        if (point.contains("error") && point["error"].is_number())
            p.error = point["error"].get<double>();
        points.push_back(p);
    }
    return points;
}

} // namespace ortavel
