#pragma once

#include "link/QuickSearchWait.h"

#include <optional>
#include <string>

namespace ortavel {
class HistoryRecorder;
}

namespace ortavel::cli {

// What the subcommands need of the line: one exchange at a time, the rate,
// and whether the operator asked to stop (checked between exchanges).
class Bus {
public:
    virtual ~Bus() = default;
    virtual std::string send(const std::string &address, const std::string &command) = 0;
    // An exchange of the search: it does not wait for a late reply to die
    // away first, since its check needs the asked address twice. The quick
    // search passes its wait for a first character.
    virtual std::string probe(const std::string &address, const std::string &command,
                              const std::optional<QuickSearchWait> &quick) = 0;
    virtual bool setBaud(int baud) = 0;
    virtual int baud() const = 0;
    // The one rate of a line whose rate is set elsewhere (a raw TCP device
    // server); nothing where setBaud changes it.
    virtual std::optional<int> fixedBaud() const { return std::nullopt; }
    // What the line adds to every reply wait, and to the quick search's.
    virtual int allowanceMs() const { return 0; }
    virtual int latencyMs() const { return 0; }
    virtual bool interrupted() const = 0;
    // What the run records into the instrument history besides the
    // exchanges themselves; nullptr when it keeps none.
    virtual HistoryRecorder *history() { return nullptr; }
};

} // namespace ortavel::cli
