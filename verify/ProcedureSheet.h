#pragma once

#include "Certificate.h"

#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace ortavel::verify {

// What a run's procedure adds to its sheet: the zero readings, the preloads, the characteristics it reports and
// which points were read before their dwell ran out.
void addProcedureFigures(RunSheet &sheet, const Run &run);

// "Linearity: 0.0012 bar (0.01 % of span)", as the reports print it.
std::string characteristicText(const SheetCharacteristic &c, const std::string &unit);

// The CSV's facts of the procedure (keys without the run's prefix): procedure, dwell, preloads, zero readings and
// each characteristic with its % of span.
std::vector<std::pair<std::string, std::string>> procedureFacts(const RunSheet &sheet);
// Those facts read back; fact(key) is empty where the file has none, which leaves the free plan.
void restoreProcedureFacts(RunSheet &sheet, const std::function<std::string(const std::string &key)> &fact);

// The zero readings' samples in the samples section: point_index z1, z2... so that a reader of points skips them.
void writeZeroSamples(std::ostream &out, const RunSheet &sheet);

// The samples' status: a kept take read before its dwell ran out is "kept-early".
inline constexpr const char *kKeptEarly = "kept-early";

} // namespace ortavel::verify
