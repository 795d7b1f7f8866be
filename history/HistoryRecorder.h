#pragma once

#include "HistoryEntry.h"
#include "HistoryStore.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ortavel {

// The local time now, for entries.
struct TimeStamp {
    std::int64_t utcMs = 0;
    int utcOffsetMinutes = 0;
};
TimeStamp systemTimeStamp();

// One read field of a snapshot: the letters, the value as read or the
// failure as the operator saw it, and whether the read was good.
struct SnapshotField {
    std::string parameter;
    std::string value;
    bool good = false;
};

// Decides what the history keeps, for the window and the command line
// alike. It watches every exchange on the line: a good read is remembered
// per address (the identity and each value, for the next write's "before"),
// and every write form, store, restore and zero that went out becomes one
// entry with its echo and result. Snapshots, verification runs and
// calibration tables are handed in by the windows and commands that make
// them.
class HistoryRecorder {
public:
    HistoryRecorder(HistorySink &sink, Origin origin, std::function<TimeStamp()> now = systemTimeStamp);

    void setOperatorName(std::string name) { m_origin.operatorName = std::move(name); }
    // The line the exchanges go on; every entry carries it.
    void setLine(std::string port, int baud);

    // One exchange that went out. `address` and `command` as given to the
    // exchange (the console may send its instruction with no address: the
    // address is then its first two characters); `result` as returned.
    // Nothing is recorded for a request that was not written.
    void exchanged(const std::string &address, const std::string &command, const std::string &result);

    // Another transmitter, or the same one picked again: what was read of
    // `address` before no longer counts as read in this selection.
    void newSelection(const std::string &address);
    // Everything read is forgotten (a new port, another rate).
    void forgetAll() { m_known.clear(); }

    void snapshot(const std::string &address, const std::vector<SnapshotField> &fields);
    // `run` is "as-found" or "as-left", `verdict` "pass" or "fail", `detail`
    // the run as JSON.
    void verification(const std::string &address, const std::string &run, const std::string &verdict,
                      const std::string &detail);
    // `what` says how the table came ("read", "written"); the tables as
    // JSON arrays of points.
    void calibration(const std::string &address, const std::string &what, const std::string &before,
                     const std::string &after);
    // The verification interval set for a transmitter, in months.
    void interval(const Identity &identity, int months);

    // Why entries cannot be stored now; nullopt while they are.
    std::optional<std::string> trouble() const { return m_sink.trouble(); }

    // The identity last read of an address in this selection.
    Identity identityOf(const std::string &address) const;
    // The value last read or confirmed; kNotRead when there is none.
    std::string valueOf(const std::string &address, const std::string &parameter) const;

private:
    struct Known {
        Identity identity;
        std::map<std::string, std::string> values; // parameter letters to data
    };

    HistoryEntry entryFor(const std::string &address, EntryKind kind) const;
    void noteRead(const std::string &address, const std::string &parameter, const std::string &data);
    void recordWrite(const std::string &address, const std::string &parameter, const std::string &value,
                     const std::string &result);
    void recordAction(const std::string &address, const std::string &letters, const std::string &result);

    HistorySink &m_sink;
    Origin m_origin;
    std::function<TimeStamp()> m_now;
    std::string m_port;
    int m_baud = 0;
    std::map<std::string, Known> m_known; // by address
};

} // namespace ortavel
