#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ortavel {

// The number at the start of a text: blanks, tabs and line feeds anywhere
// are ignored; an optional sign, digits, at most one point and an optional
// exponent form the number; no number reads as 0. Never throws.
double readNumber(std::string_view text);
// The same, but nullopt for a text that does not start with a number.
std::optional<double> numberAtStart(std::string_view text);

// True when the whole text is one decimal number: blanks around it, an
// optional sign, digits with at most one point, an optional exponent.
bool isNumberText(std::string_view text);

// A plain decimal number as a box takes it: blanks around it, an optional
// sign, digits with at most one point; no exponent.
std::optional<double> plainNumber(std::string_view text);

// The transmitter answers a number in its own pattern: the echo confirms the
// number sent when it shows it to the echo's last decimal. Other texts must
// be the same to the letter.
bool isEchoOf(std::string_view echo, std::string_view sent);

// Nearest whole number, a half to the even neighbour; nullopt when the
// value does not fit (or is not a number).
std::optional<std::int64_t> wholeNumber(double value);
std::optional<std::int16_t> wholeNumber16(double value);
std::optional<std::int32_t> wholeNumber32(double value);

// Single precision, as a value typed into a box is taken; nullopt when the
// value is too large for it.
std::optional<float> toSingle(double value);

// Writes a value with a number pattern: "0" a digit always written, "#" a
// digit written only when needed, "." the point (written even when no digit
// follows), anything else as it stands. Rounds to the pattern's decimals, a
// half away from zero; a negative value gets "-" in front.
std::string formatPattern(double value, std::string_view pattern);
// The same for a typed value taken as single precision: its shortest decimal
// text is rounded, so 2.675 (held as 2.67499995...) rounds up as typed.
std::string formatSingle(float value, std::string_view pattern);

// A range or output value as the window writes it: "+" and the decimal
// pattern for zero and above, the pattern with its "-" below zero.
std::string signedPatternText(double value, std::string_view pattern);
std::string signedSingleText(float value, std::string_view pattern);

// The temperature as every window and the command line show it.
inline constexpr const char *kTemperaturePattern = "###0.0";

// Trim value text: sign and four digits, e.g. +0123, -0045.
std::string trimValueText(int position);

// Codes and counts as decimal digits; -1 when nothing is selected.
std::string codeText(int index);

} // namespace ortavel
