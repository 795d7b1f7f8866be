#pragma once

#include "HistoryEntry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ortavel {

// Which entries a query returns, newest first. Empty fields match all.
struct HistoryFilter {
    std::string ident;
    std::string address;
    std::string parameter;
    std::optional<EntryKind> kind;
    std::optional<std::int64_t> sinceMs; // entries at or after
    std::optional<std::int64_t> untilMs; // entries before
    int limit = 0;                       // 0: all
};

// The first entry whose content or place in the chain does not hold.
struct ChainBreak {
    std::int64_t id = 0; // the changed entry, or the first id missing
    std::string why;     // "changed", "removed", ...
};

// The instrument history: append-only entries, chained by hash. Every call
// returns false or nullopt on failure and leaves the reason in
// errorString().
class HistoryStore {
public:
    virtual ~HistoryStore() = default;
    // Appends in order, in one transaction: all or none. Sets id,
    // previousHash and hash of each.
    virtual bool append(std::vector<HistoryEntry> &entries) = 0;
    virtual std::optional<std::vector<HistoryEntry>> entries(const HistoryFilter &filter) = 0;
    // The newest entry of every ID text ever recorded.
    virtual std::optional<std::vector<HistoryEntry>> latestPerTransmitter() = 0;
    // Walks the whole chain: nullopt when it cannot be read, an empty
    // break (id 0) when it holds.
    virtual std::optional<ChainBreak> checkChain() = 0;
    // Takes the next report number of this prefix and year: 1 for the
    // first, then one more each call, never the same twice, also to
    // several programs sharing the store. A number is only returned once
    // it is committed.
    virtual std::optional<int> nextReportSequence(const std::string &prefix, int year) = 0;
    virtual std::string errorString() const = 0;
};

// Takes entries as they happen and never blocks the caller: a writer
// stores them later, in order.
class HistorySink {
public:
    virtual ~HistorySink() = default;
    virtual void post(HistoryEntry entry) = 0;
    // Why entries cannot be stored now (they wait in the spool); nullopt
    // while the store takes them.
    virtual std::optional<std::string> trouble() const = 0;
};

} // namespace ortavel
