#pragma once

#include <optional>
#include <string>

namespace ortavel::cli {

struct ParsedCommandLine;

// Why a subcommand does not run on several buses at once; nullopt for
// search, read, backup, apply and verify, which do.
std::optional<std::string> whyNotOnSeveralBuses(const std::string &subcommand);

// Runs the subcommand on every bus of the options, each with a session of its
// own (port, exchange, history recorder), one request at a time per bus. The
// buses run side by side on threads of their own, except verify's, which run
// one after another: their prompts must not interleave, and each report takes
// its number in turn. Every bus runs to its end whatever the others do; the
// output is the union in port order, every row naming its port, once all are
// done. Returns the worst status of the buses: Ctrl-C, then a usage or port
// error, then a failure.
int runOnSeveralBuses(const ParsedCommandLine &parsed);

} // namespace ortavel::cli
