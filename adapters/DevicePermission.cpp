#include "DevicePermission.h"

#include "text/OperatorText.h"
#ifndef _WIN32
#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>
#endif

namespace ortavel {

std::string permissionRemedy([[maybe_unused]] const std::string &device)
{
#ifdef _WIN32
    return {};
#else
    // The effective user decides what open() may do.
    if (::faccessat(AT_FDCWD, device.c_str(), R_OK | W_OK, AT_EACCESS) == 0 || errno != EACCES)
        return {};
    struct stat info {};
    if (::stat(device.c_str(), &info) != 0)
        return {};
    if ((info.st_mode & (S_IRGRP | S_IWGRP)) != (S_IRGRP | S_IWGRP))
        return fill(OT_TR("Ortavel", "%1 may be opened by its owner only; ask the administrator of this machine for "
                                     "access."),
                    {device});

    std::string group = std::to_string(info.st_gid);
    const long hint = ::sysconf(_SC_GETGR_R_SIZE_MAX);
    std::vector<char> buffer(hint > 0 ? static_cast<std::size_t>(hint) : 16384U);
    struct group entry {};
    struct group *found = nullptr;
    if (::getgrgid_r(info.st_gid, &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr)
        group = found->gr_name;
    return fill(OT_TR("Ortavel", "To use %1, join its group \"%2\" (sudo usermod -aG %2 $USER), then log out and log "
                                 "in again."),
                {device, group});
#endif
}

} // namespace ortavel
