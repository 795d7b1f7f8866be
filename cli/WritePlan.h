#pragma once

#include "Calibration.h"
#include "SettingChecker.h"

#include <optional>
#include <string>
#include <vector>

namespace ortavel::cli {

// How the reply to a write shows that the value took.
enum class Expect {
    Text,     // the reply data is the text sent
    Number,   // the reply data is numerically the value sent
    BaudEcho, // "*" + address + index + CR exactly
    Stored,   // "*" + address + "OK" + CR exactly
};

struct PlannedWrite {
    std::string field;
    std::string command;
    std::string value;
    Expect expect = Expect::Text;
    int newBaud = 0;        // a rate change: the line follows once confirmed
    std::string newAddress; // an address change: later requests go there
    std::string note;       // dry run: the form a transmitter below version 2.0 gets
};

// What the formatting of range and output values needs to know of the
// target; a version left out (dry run) sends output values as given.
struct TargetFacts {
    std::optional<std::string> version;
    std::optional<int> decimals;
};

enum class SaveArea { None, User, Factory };

// The requests of `set` and `apply`, in the order they go out.
class WritePlan {
public:
    static bool needsVersion(const std::vector<CheckedSetting> &settings);
    // Range and output values need the decimals when `settings` does not
    // set them itself.
    static bool needsDecimals(const std::vector<CheckedSetting> &settings);
    // Transmitters whose version reads as a number below 2 get output
    // values in the decimals pattern, like range values. A version that
    // does not start with a number gets them as typed, as in the window.
    static bool formatsOutputs(const std::string &version);
    // Why output values of `settings` go out as typed on this target (its
    // version is no number), for a note; nullopt when nothing is to be said.
    static std::optional<std::string> whyOutputsAsTyped(const std::vector<CheckedSetting> &settings,
                                                        const TargetFacts &facts);

    static std::vector<PlannedWrite> settings(const std::vector<CheckedSetting> &settings, const TargetFacts &facts);
    // The point count, then measured and standard pressure of each active
    // point, as the calibration window downloads them.
    static std::vector<PlannedWrite> calibration(const CalibrationTable &table);
    static std::optional<PlannedWrite> save(SaveArea area);
};

} // namespace ortavel::cli
