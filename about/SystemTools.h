#pragma once

#include <string>

namespace ortavel {

// What the About box asks of the platform besides its registry: programs to
// start and addresses to open.
class SystemTools {
public:
    virtual ~SystemTools() = default;
    // Where a program of that name is installed; empty when it is not.
    virtual std::string findProgram(const std::string &name) const = 0;
    virtual bool fileExists(const std::string &path) const = 0;
    // Starts a program without waiting for it; false when it cannot start.
    virtual bool startProgram(const std::string &path) = 0;
    // Opens a mailto: or web address with the desktop's program for it.
    virtual bool openUrl(const std::string &url) = 0;
};

} // namespace ortavel
