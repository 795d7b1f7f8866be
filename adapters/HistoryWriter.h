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
