#pragma once

#include <sys/types.h>

namespace ortavel::test {

// CPU time used by the calling thread, in milliseconds.
double threadCpuMs();
// CPU time used so far by a running process, in milliseconds; negative
// when it has gone.
double processCpuMs(pid_t pid);

} // namespace ortavel::test
