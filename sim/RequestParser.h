#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ortavel::sim {

// A request frame that passed the frame check.
struct Request {
    std::string address; // two decimal digits, or "AA" for every transmitter
    std::string command; // letters and value, as they stood in the frame

    bool operator==(const Request &) const = default;
};

// Takes one frame, from its first byte up to and including its CR, and
// gives the address and command text, or nothing when the frame is not
// "$" + address + command (two bytes or more) + upper-case checksum + CR.
// Defined for every byte sequence.
std::optional<Request> parseRequest(std::string_view frame);

} // namespace ortavel::sim
