#pragma once

#include <optional>
#include <string>

namespace ortavel {

// The SHA-256 of a file's bytes in lower-case hex; nullopt when it cannot
// be read.
std::optional<std::string> fileSha256(const std::string &path);

} // namespace ortavel
