#pragma once

#include <string>
#include <string_view>

namespace ortavel::cli {

struct PlannedWrite;

// Whether the result of a write shows that its value took. `address` is
// the one the request went to; an address change may be answered from the
// old address or the new one.
bool isConfirmed(const PlannedWrite &write, std::string_view result, std::string_view address);

} // namespace ortavel::cli
