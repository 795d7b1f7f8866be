#pragma once

#include "HistoryStore.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ortavel {

inline constexpr int kDefaultIntervalMonths = 12;

// One transmitter of the history, as the list of those known shows it.
struct TransmitterSummary {
    std::string ident;
    std::string type;
    std::string version;
    std::int64_t lastSeenMs = 0;
    int lastSeenOffsetMinutes = 0;
    std::string lastPort;
    std::string lastAddress;
    std::optional<std::int64_t> lastVerificationMs;
    std::string lastVerdict; // of the newest run, "pass" or "fail"; empty without one
    int intervalMonths = kDefaultIntervalMonths;
    // The last passing as-left run, and it plus the interval; nullopt
    // without one.
    std::optional<std::int64_t> lastPassMs;
    std::optional<std::int64_t> dueMs;
    // A change confirmed after the last passing run (or with none at all).
    bool changedSinceVerification = false;
};

// Every transmitter known, ID texts linked by a confirmed ID change shown
// once under the newest ID. nullopt when the store cannot be read.
std::optional<std::vector<TransmitterSummary>> transmitters(HistoryStore &store, int defaultIntervalMonths);

// Those due before now + withinDays (overdue ones included), soonest
// first; transmitters never verified are left out.
std::vector<TransmitterSummary> dueWithin(const std::vector<TransmitterSummary> &all, std::int64_t nowMs,
                                          int withinDays);

// The entries of one transmitter, newest first, with those recorded under
// the ID texts it had before or after a confirmed ID change. The filter's
// ident is the transmitter's; its other fields apply as given.
std::optional<std::vector<HistoryEntry>> historyOf(HistoryStore &store, const HistoryFilter &filter);

// `months` calendar months after a time (the day kept, or the month's last).
std::int64_t addMonths(std::int64_t timeMs, int months);

// One row of two snapshots side by side.
struct SnapshotRow {
    std::string parameter;
    std::string first; // the value, or the failure, as read; "" when absent
    std::string second;
    bool differs = false;
};
// The fields of two snapshot entries in the order of the first, then any
// only the second has.
std::vector<SnapshotRow> compareSnapshots(const HistoryEntry &first, const HistoryEntry &second);

// One point's error of a run, for the drift over runs.
struct PointError {
    double nominal = 0;
    std::optional<double> error; // nullopt for a point not taken
};
// The points of a verification entry's detail; empty when it has none.
std::vector<PointError> pointErrors(const HistoryEntry &verification);

} // namespace ortavel
