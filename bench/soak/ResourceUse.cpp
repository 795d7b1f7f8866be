#include "ResourceUse.h"

#include <ctime>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace ortavel::bench {

namespace {
double cpuSeconds(clockid_t clock)
{
    timespec ts{};
    clock_gettime(clock, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

std::size_t residentNow()
{
    std::ifstream statm("/proc/self/statm");
    std::size_t size = 0;
    std::size_t resident = 0;
    statm >> size >> resident;
    return resident * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE)) / 1024;
}

int openFilesNow()
{
    int count = 0;
    std::error_code ec;
    for (auto it = std::filesystem::directory_iterator("/proc/self/fd", ec);
         !ec && it != std::filesystem::directory_iterator(); it.increment(ec))
        ++count;
    return count;
}
} // namespace

ResourceUse ResourceUse::now()
{
    ResourceUse use;
    use.residentKiB = residentNow();
    use.openFiles = openFilesNow();
    use.threadCpuSeconds = cpuSeconds(CLOCK_THREAD_CPUTIME_ID);
    use.processCpuSeconds = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
    return use;
}

} // namespace ortavel::bench
