#pragma once

#include "adapters/HistoryStoreSql.h"
#include "verify/ReportNumbers.h"

#include <memory>
#include <optional>
#include <string>

namespace ortavel {

class SettingsStore;

// The report numbers of `prefix` for a program: from the history at
// `history` when one is kept (nullopt: none, as with --no-history or a
// build without history), else from the local counter in `settings`.
// When a kept history cannot give one, the number comes from the local
// counter, with fellBack set and the reason in its source; the local
// counter follows each number the history gives, so such a number goes on
// after the last one this computer saw (others may have taken it meanwhile).
// Connects on the first next(), and again after a failure, on the caller's
// thread: up to a few seconds for a server that does not answer. Use it
// from one thread; `settings` must outlive it.
std::unique_ptr<verify::ReportNumbers> openReportNumbers(const std::optional<HistoryPlace> &history,
                                                         SettingsStore &settings, std::string prefix);

} // namespace ortavel
