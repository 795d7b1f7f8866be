#pragma once

#include "history/HistoryRecorder.h"
#include "history/HistoryStore.h"

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace ortavel::test {

// The history in memory, for window models and commands under test: the
// filter as the SQL store applies it, no hashes.
class MemoryHistoryStore final : public HistoryStore {
public:
    bool append(std::vector<HistoryEntry> &entries) override
    {
        for (HistoryEntry &e : entries) {
            e.id = static_cast<std::int64_t>(m_entries.size()) + 1;
            m_entries.push_back(e);
        }
        return true;
    }
    std::optional<std::vector<HistoryEntry>> entries(const HistoryFilter &f) override
    {
        std::vector<HistoryEntry> found;
        for (auto it = m_entries.rbegin(); it != m_entries.rend(); ++it) {
            const HistoryEntry &e = *it;
            if ((!f.ident.empty() && e.identity.ident != f.ident) || (!f.address.empty() && e.address != f.address) ||
                (!f.parameter.empty() && e.parameter != f.parameter) || (f.kind && e.kind != *f.kind) ||
                (f.sinceMs && e.timeMs < *f.sinceMs) || (f.untilMs && e.timeMs >= *f.untilMs))
                continue;
            found.push_back(e);
            if (f.limit > 0 && static_cast<int>(found.size()) == f.limit)
                break;
        }
        return found;
    }
    std::optional<std::vector<HistoryEntry>> latestPerTransmitter() override
    {
        std::map<std::string, HistoryEntry> newest;
        for (const HistoryEntry &e : m_entries) {
            if (!e.identity.ident.empty())
                newest[e.identity.ident] = e;
        }
        std::vector<HistoryEntry> list;
        for (auto &[ident, e] : newest)
            list.push_back(e);
        return list;
    }
    std::optional<ChainBreak> checkChain() override { return ChainBreak{}; }
    std::optional<int> nextReportSequence(const std::string &prefix, int year) override
    {
        return ++m_reportSequences[{prefix, year}];
    }
    std::string errorString() const override { return {}; }

    const std::vector<HistoryEntry> &all() const { return m_entries; }

private:
    std::vector<HistoryEntry> m_entries;
    std::map<std::pair<std::string, int>, int> m_reportSequences;
};

// Stores each entry as it is posted.
class MemoryHistorySink final : public HistorySink {
public:
    explicit MemoryHistorySink(MemoryHistoryStore &store) : m_store(store) {}
    void post(HistoryEntry entry) override
    {
        std::vector<HistoryEntry> one{std::move(entry)};
        m_store.append(one);
    }
    std::optional<std::string> trouble() const override { return m_trouble; }
    void setTrouble(std::optional<std::string> why) { m_trouble = std::move(why); }

private:
    MemoryHistoryStore &m_store;
    std::optional<std::string> m_trouble;
};

// A recorder into memory, for a window under test.
struct MemoryHistory {
    MemoryHistoryStore store;
    MemoryHistorySink sink{store};
    HistoryRecorder recorder{sink, Origin{"tester", "", "testhost", "ortavel test"}};
};

} // namespace ortavel::test
