#pragma once

#include "adapters/HistoryStoreSql.h"
#include "history/HistoryStore.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ortavel {

// The sink the programs record into: post() only queues; a thread of its
// own stores the entries in order. While the store cannot take them they
// are committed to the local SQLite spool and go up, in order, once it is
// back (tried again every few seconds). Thread-safe.
//
// What a kill can lose: the entries posted but not yet committed to the store
// or the spool, that is the queue's latency. Measured by bench/history on two
// busy cores at a steady 200 entries a second: post to commit p50 5-9 ms,
// p99 20-200 ms (SQLite, synchronous full) and 70-135 ms (PostgreSQL, fsync
// on). In a burst the queue holds what the store has not caught up with
// (6,000-8,500 entries a second go in, in transactions of up to 1,000), so
// a kill then can lose seconds of entries. A clean exit loses nothing: the
// destructor spools what the store did not take within about 3 s.
class HistoryWriter final : public HistorySink {
public:
    HistoryWriter(HistoryPlace place, std::string spoolPath);
    // Stores or spools what is queued, waiting at most a few seconds for
    // the store before spooling.
    ~HistoryWriter() override;
    HistoryWriter(const HistoryWriter &) = delete;
    HistoryWriter &operator=(const HistoryWriter &) = delete;

    void post(HistoryEntry entry) override;
    std::optional<std::string> trouble() const override;

    // Waits until every entry posted so far is stored or spooled; false
    // when that took longer than timeoutMs.
    bool flush(int timeoutMs);
    // Entries waiting in the spool.
    int spooled() const;
    // Called on the writer's thread after each commit to the store, with the
    // entries as stored (ids and hashes set).
    void setOnStored(std::function<void(const std::vector<HistoryEntry> &)> onStored);

private:
    struct State;
    std::unique_ptr<State> m_state;
};

} // namespace ortavel
