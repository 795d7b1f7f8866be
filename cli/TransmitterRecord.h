#pragma once

#include "Calibration.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ortavel::cli {

// One request of a read: its command, the value or the failed result,
// and whether it was good.
struct FieldRead {
    std::string command;
    std::string value;
    bool good = false;
};

// Every parameter of one transmitter as received; a field that could not
// be read is empty and named in `errors` with the result text it got.
struct TransmitterRecord {
    std::string address;
    int baud = 0;
    std::optional<std::string> type;
    std::optional<std::string> id;
    std::optional<std::string> version;
    std::optional<int> unitCode;
    std::optional<int> decimals;
    std::optional<std::string> displayZero;
    std::optional<std::string> displayFullScale;
    std::optional<std::string> output4mA;
    std::optional<std::string> output20mA;
    std::optional<std::string> trim4mA;
    std::optional<std::string> trim20mA;
    std::optional<std::string> pressure;
    std::optional<std::string> temperature;
    CalibrationTable calibration;
    std::vector<std::pair<std::string, std::string>> errors;
    std::vector<FieldRead> reads; // in the order asked
    bool interrupted = false;
};

} // namespace ortavel::cli
