#pragma once

#include <optional>
#include <string_view>

namespace ortavel::cli {

// A text that is a decimal number and nothing else (blanks around it
// allowed; an exponent allowed): replies judged for their value.
std::optional<double> strictNumber(std::string_view text);

// An operator's number: optional sign, digits with at most one point, no
// exponent, no blanks ("12.5", "-3", "+.5").
std::optional<double> decimalInput(std::string_view text);

// A value text that may go on the line after the command letters: not
// empty (the letters alone would read instead of write) and without control
// characters (a CR would end the frame early).
bool isSendableText(std::string_view text);

} // namespace ortavel::cli
