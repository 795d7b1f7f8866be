#include "CpuTime.h"

#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace ortavel::test {

double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) * 1e-6;
}

double processCpuMs(pid_t pid)
{
    std::ifstream file("/proc/" + std::to_string(pid) + "/stat");
    std::string stat;
    if (!std::getline(file, stat))
        return -1;
    // The command name may hold blanks; the fields after it are plain.
    std::istringstream fields(stat.substr(stat.rfind(')') + 2));
    std::string field;
    long long userTicks = 0;
    long long systemTicks = 0;
    for (int n = 3; n <= 15 && fields >> field; ++n) {
        if (n == 14)
            userTicks = std::stoll(field);
        if (n == 15)
            systemTicks = std::stoll(field);
    }
    return static_cast<double>(userTicks + systemTicks) * 1e3 / static_cast<double>(::sysconf(_SC_CLK_TCK));
}

} // namespace ortavel::test
