#pragma once

#include "TransmitterRecord.h"
#include "WritePlan.h"

#include <string>
#include <vector>

namespace ortavel::cli {

class Bus;
struct CommonOptions;

// What the subcommands hand to the instrument history besides the
// exchanges the Bus tells it of. Each does nothing when the run keeps no
// history.

// Reads the type, ID and version of `address` unless known, so that the
// entries of what follows carry the transmitter they concern.
void readIdentity(Bus &bus, const std::string &address);

// The identity first, then reads the present value of each field the plan writes that has a read
// form and was not read yet, so that every write's entry says what it
// replaced.
void readBeforeWrites(Bus &bus, const std::string &address, const std::vector<PlannedWrite> &plan);

// Every field of a read and its result, as one snapshot.
void recordSnapshot(Bus &bus, const TransmitterRecord &record);

// The operator a command was given (verify's --operator) names the run's
// entries unless --operator did before the subcommand.
void nameOperator(Bus &bus, const std::string &name, const CommonOptions &options);

// `run` "as-found" or "as-left", `passed` the verdict, `detail` the run as JSON.
void recordVerification(Bus &bus, const std::string &address, const std::string &run, bool passed,
                        const std::string &detail);

// Reads the calibration table of `address` (point count and every point)
// and returns it as a JSON array of points; empty without a history.
std::string readCalibrationTable(Bus &bus, const std::string &address);
// A table written over `before`: the points as now known to be held.
void recordCalibrationWritten(Bus &bus, const std::string &address, const std::string &before);

} // namespace ortavel::cli
