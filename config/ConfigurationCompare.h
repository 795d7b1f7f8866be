#pragma once

#include "cli/Applier.h"
#include "cli/BackupFile.h"
#include "cli/TransmitterRecord.h"
#include "text/OperatorText.h"

#include <string>
#include <vector>

namespace ortavel {

// One parameter of a configuration file beside a transmitter's value.
struct CompareRow {
    std::string key;        // "type", "id", "unit", ..., "calibration"
    std::string fileText;   // as the file holds it; "not read" where it was saved so
    std::string deviceText; // as read now, or the failed result
    bool fileHasValue = false;
    bool deviceRead = false;
    bool differs = false; // both known and not the same value
    bool offered = false; // the row may be ticked
    bool ticked = false;
    std::string outcome; // after a write: "confirmed", or why not
    bool failed = false;
};

// The comparison of the Compare window, plain so that it is the same for
// every view: which rows differ, which may be written, which are ticked.
class ConfigurationCompare {
public:
    static constexpr const char *kNotRead = OT_TR("Ortavel", "not read");

    // Whether the transmitter read is the one the file was taken from (its
    // type, id and version).
    static bool sameTransmitter(const cli::BackupFile &file, const cli::TransmitterRecord &now);
    // A row for each value the file holds or saved as not read, the id the
    // file names, and the calibration table. A differing row is offered and
    // ticked; type and id are not ticked when the file is another
    // transmitter's, and the trims and the calibration are offered only when
    // it is this one's. A row whose value was not read now is offered,
    // unticked: whether it differs is not known.
    static std::vector<CompareRow> rows(const cli::BackupFile &file, const cli::TransmitterRecord &now);
    // The same rows after a read, each keeping its outcome and, where it is
    // still offered, its tick.
    static std::vector<CompareRow> reread(const cli::BackupFile &file, const cli::TransmitterRecord &now,
                                          const std::vector<CompareRow> &before);
    // The file cut to the ticked rows: what Write Selected writes.
    // `calibration` tells whether the table is among them.
    static cli::BackupFile chosen(const cli::BackupFile &file, const std::vector<CompareRow> &rows, bool &calibration);
    // Marks each ticked row with what became of its writes.
    static void markOutcomes(std::vector<CompareRow> &rows, const cli::ApplyResult &result);
};

} // namespace ortavel
