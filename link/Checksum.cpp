#include "Checksum.h"

namespace ortavel {

std::string PARITY_XORB(std::string_view ckeck_text)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    unsigned value = 0;
    for (const char c : ckeck_text)
        value ^= static_cast<unsigned char>(c);
    return {kHex[(value >> 4) & 0xF], kHex[value & 0xF]};
}

} // namespace ortavel
