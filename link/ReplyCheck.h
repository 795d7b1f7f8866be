#pragma once

#include <string>
#include <string_view>

namespace ortavel {

inline constexpr std::string_view kNoReply = "ERR 0\r";
inline constexpr std::string_view kBadReply = "EER 3\r";

// Judges everything received during one exchange: "*" + payload + CR for
// exactly one well-formed reply frame, else one of the two error texts.
std::string checkReply(std::string_view received);

} // namespace ortavel
