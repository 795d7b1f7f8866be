#pragma once

#include "adapters/HistoryStoreSql.h"
#include "adapters/HistoryWriter.h"
#include "history/HistoryRecorder.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace ortavel {
class SettingsStore;
}

namespace ortavel::cli {

class ExchangeBus;
struct CommonOptions;

// The history's place for this run and why it is there: "option"
// (--history), "remembered" (the window's choice) or "default".
struct ChosenPlace {
    HistoryPlace place;
    std::string why;
};
// nullopt, with the reason, for a --history that names no place.
std::optional<ChosenPlace> chosenHistoryPlace(const CommonOptions &options, const SettingsStore &settings,
                                              std::string &error);

// The store of the chosen place, open; nullptr with the reason.
std::unique_ptr<HistoryStoreSql> openHistoryStore(const CommonOptions &options, std::string &error);

// A time as the history shows it: local, with the offset in force then.
std::string localTimeText(std::int64_t utcMs);

// Who runs this: the login, the operator (--operator, else the one the
// window keeps), the host and the program with its version.
Origin runOrigin(const CommonOptions &options, const SettingsStore &settings);

// The months between verifications of a transmitter without its own:
// the setting the window keeps, else 12.
int defaultIntervalMonths(const SettingsStore &settings);

// Waits at most a few seconds for what the writer holds to be stored or
// spooled, then reports trouble as reportTrouble does.
void finishWriter(HistoryWriter &writer);

// Prints "ortavel-cli: history: ..." once when the sink cannot store what
// it was given; true when it did.
bool reportTrouble(const HistorySink &sink);

// The history of a run that talks to transmitters: the writer, and the
// recorder the Bus tells of every exchange that went out.
class RunHistory {
public:
    RunHistory(const HistoryPlace &place, Origin origin);
    // One bus of several: the buses' entries go through one writer, which
    // its owner finishes once they are all done.
    RunHistory(std::shared_ptr<HistoryWriter> shared, Origin origin);

    HistoryRecorder &recorder() { return m_recorder; }
    // From now on the bus tells the recorder of every exchange, and of the
    // line with every rate.
    void attach(ExchangeBus &bus, std::string device);
    // Waits until every entry is stored or spooled, then reports trouble;
    // nothing for a shared writer.
    void finish();

private:
    std::shared_ptr<HistoryWriter> m_writer;
    bool m_ownsWriter;
    HistoryRecorder m_recorder;
    std::string m_device;
    int m_baud = 0;
    bool m_followsBaudWrite = false;
};

} // namespace ortavel::cli
