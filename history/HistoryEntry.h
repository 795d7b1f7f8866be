#pragma once

#include "text/OperatorText.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ortavel {

// What an entry of the instrument history records.
enum class EntryKind : std::uint8_t {
    Write,        // a write that reached the line, with its echo
    Snapshot,     // a full read: every field and its read result
    Verification, // one as-found or as-left run
    Calibration,  // a calibration table read or written, before and after
    Interval,     // the verification interval of one transmitter, in months
};

std::string_view kindName(EntryKind kind);
// nullopt-like: false when the text names no kind.
bool kindFromName(std::string_view name, EntryKind &kind);

// Results of a write as the history keeps them.
inline constexpr std::string_view kConfirmed = OT_TR("Ortavel", "confirmed");
inline constexpr std::string_view kFailed = OT_TR("Ortavel", "failed");
inline constexpr std::string_view kNoAnswer = OT_TR("Ortavel", "no reply");
inline constexpr std::string_view kEchoDiffers = OT_TR("Ortavel", "echo differs");
// A broadcast to "AA": no transmitter answers it.
inline constexpr std::string_view kBroadcast = OT_TR("Ortavel", "broadcast");
// The value before a write when this selection has not read it.
inline constexpr std::string_view kNotRead = OT_TR("Ortavel", "not read");

// The transmitter as last read in this selection; empty fields were not read.
struct Identity {
    std::string type;
    std::string ident; // the tag the plant writes into it: the history's key
    std::string version;
    std::string sensorLow;
    std::string sensorHigh;
};

// Who wrote an entry, from where.
struct Origin {
    std::string login;        // the login name
    std::string operatorName; // set in the tool; may be empty
    std::string host;
    std::string program; // name and version, "ortavel-cli 1.35"
};

// One entry. The store gives it its sequence number and chain hashes.
struct HistoryEntry {
    std::int64_t id = 0; // the store's sequence, from 1; 0 until stored
    EntryKind kind = EntryKind::Write;
    std::int64_t timeMs = 0;  // UTC, milliseconds since 1970
    int utcOffsetMinutes = 0; // the local offset at that time
    Origin origin;
    std::string port; // the device, "/dev/ttyUSB0" or "COM3"
    int baud = 0;
    std::string address;
    Identity identity;
    std::string parameter; // letters ("OL", "FC3"); the run ("as-found") of a verification
    std::string before;    // as read in this selection, or kNotRead
    std::string sent;
    std::string echo;         // the reply's data, or the error result
    std::string result;       // kConfirmed...; "pass"/"fail" for a verification
    std::string detail;       // JSON: the snapshot's fields, the run, the tables
    std::string previousHash; // hex SHA-256 of the entry before, "" for the first
    std::string hash;         // hex SHA-256 of previousHash and canonicalText()
};

// Every field but the hashes, in one unambiguous text (each field as its
// length, ':' and its bytes): what the chain hash covers.
std::string canonicalText(const HistoryEntry &entry);

// "2026-12-07T17:20:51.123+01:00": local time with its offset.
std::string timeText(std::int64_t timeMs, int utcOffsetMinutes);

} // namespace ortavel
