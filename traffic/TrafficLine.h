#pragma once

#include "TrafficRecorder.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace ortavel {

// The one line format of an exchange, shared by `ortavel-cli --trace` and
// the Traffic window's CSV:
//   time_ms,baud,address,request,reply,result,duration_ms
//   1200,9600,01,$01RP0xx\r,*01+0012.3xx\r,good,21
// Bytes are written visibly: CR as \r, LF as \n, a backslash doubled, the
// comma as \x2C, the double quote as \x22 and every other control byte as
// \xHH, so a line needs no quoting.
inline constexpr std::string_view kTrafficHeader = "time_ms,baud,address,request,reply,result,duration_ms";

std::string escapeBytes(std::string_view bytes);
// The same for reading on a terminal: commas, quotes and UTF-8 stay.
std::string escapeControls(std::string_view bytes);
// The bytes back; nullopt for a malformed escape.
std::optional<std::string> unescapeBytes(std::string_view text);

std::string trafficLine(const ExchangeRecord &record);
// A line back into its record; nullopt when it is not one.
std::optional<ExchangeRecord> parseTrafficLine(std::string_view line);

// The header and then one line per record that passes the filter (an empty
// address passes all), oldest first.
void writeTrafficCsv(std::ostream &out, const TrafficRecorder &recorder, std::string_view address = {});

} // namespace ortavel
