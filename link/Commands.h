#pragma once

#include <array>
#include <string>
#include <string_view>

namespace ortavel::cmd {

inline constexpr std::string_view Address = "AD";
inline constexpr std::string_view Baud = "BD";
inline constexpr std::string_view Type = "TY";
inline constexpr std::string_view Ident = "ID";
inline constexpr std::string_view Version = "VR";
inline constexpr std::string_view RangeLow = "SL";
inline constexpr std::string_view RangeHigh = "SH";
inline constexpr std::string_view RangeUnit = "FU";
inline constexpr std::string_view DisplayZero = "DL";
inline constexpr std::string_view DisplayFull = "DH";
inline constexpr std::string_view Unit = "UT";
inline constexpr std::string_view Decimals = "DP";
inline constexpr std::string_view Output4mA = "OL";
inline constexpr std::string_view Output20mA = "OH";
inline constexpr std::string_view Trim4mA = "ZF";
inline constexpr std::string_view Trim20mA = "FF";
inline constexpr std::string_view Pressure = "RP0";
inline constexpr std::string_view Temperature = "RT0";
inline constexpr std::string_view SetZero = "SZ";
inline constexpr std::string_view SaveUser = "WU";
inline constexpr std::string_view SaveFactory = "WF";
inline constexpr std::string_view LoadFactory = "LD";
inline constexpr std::string_view PointCount = "PN";
inline constexpr std::string_view Measured = "FC";
inline constexpr std::string_view Standard = "UC";

// What the tool may send of each command.
struct Info {
    std::string_view letters;
    bool readForm;
    bool writeForm;
    bool pointDigit; // a calibration point digit follows the letters
};

inline constexpr std::array<Info, 25> kCatalogue = {{
    {Address, true, true, false},      {Baud, false, true, false},      {Type, true, true, false},
    {Ident, true, true, false},        {Version, true, false, false},   {RangeLow, true, false, false},
    {RangeHigh, true, false, false},   {RangeUnit, true, false, false}, {DisplayZero, true, true, false},
    {DisplayFull, true, true, false},  {Unit, true, true, false},       {Decimals, true, true, false},
    {Output4mA, true, true, false},    {Output20mA, true, true, false}, {Trim4mA, true, true, false},
    {Trim20mA, true, true, false},     {Pressure, true, false, false},  {Temperature, true, false, false},
    {SetZero, true, false, false},     {SaveUser, true, false, false},  {SaveFactory, true, false, false},
    {LoadFactory, true, false, false}, {PointCount, true, true, false}, {Measured, true, true, true},
    {Standard, true, true, true},
}};

// Write form: the letters followed directly by the value text.
std::string write(std::string_view letters, std::string_view value);
// Calibration point forms: "FC3" reads point 3, "FC3" + value writes it.
std::string point(std::string_view letters, int pointNumber);
std::string writePoint(std::string_view letters, int pointNumber, std::string_view value);

} // namespace ortavel::cmd

namespace ortavel {

// Characters 4 to the one before last of a result text; an error result
// gives " 0" or " 3". Empty for texts too short to hold any.
std::string replyData(std::string_view result);

bool isErrorResult(std::string_view result);

// A result as the operator reads it: without its closing CR.
std::string shownResult(std::string_view result);

// Two digits 01 to 99, or "AA" for every transmitter: the only addresses a
// request composed by the tool goes out with.
bool isBusAddress(std::string_view address);

// A good reply ("*" + payload + CR) whose answering address is `address`:
// for every caller but the console and the search, a good frame of another
// address is no answer.
bool isReplyFrom(std::string_view result, std::string_view address);

// The whole-result success tests.
bool isAddressEcho(std::string_view result, std::string_view address);
bool isBaudConfirmed(std::string_view result, std::string_view address, std::string_view index);
bool isStored(std::string_view result, std::string_view address);

} // namespace ortavel
