#pragma once

#include <string>
#include <string_view>

namespace ortavel {

// Two upper-case hex digits of the XOR of every byte of the text. Bytes
// outside ASCII take part as they are (UTF-8 on the line); an empty text
// gives "00".
std::string PARITY_XORB(std::string_view ckeck_text);

} // namespace ortavel
