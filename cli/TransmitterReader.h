#pragma once

#include "TransmitterRecord.h"

#include <string>

namespace ortavel::cli {

class Bus;

// Reads every parameter of one transmitter, each with one request: the
// window's read without its repeated questions, then the calibration table.
class TransmitterReader {
public:
    TransmitterReader(Bus &bus, std::string address);

    TransmitterRecord readAll();

    // One text value; empty (and the result in `error`) unless a good reply
    // with data came from the address.
    std::optional<std::string> readText(const std::string &command, std::string &error);
    // A code within [low, high]; anything else counts as not read.
    std::optional<int> readCode(const std::string &command, int low, int high, std::string &error);

private:
    void text(TransmitterRecord &record, std::optional<std::string> &field, const std::string &name,
              const std::string &command);
    void code(TransmitterRecord &record, std::optional<int> &field, const std::string &name, const std::string &command,
              int low, int high);
    bool stop(TransmitterRecord &record);

    Bus &m_bus;
    std::string m_address;
};

} // namespace ortavel::cli
