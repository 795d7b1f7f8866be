#include "SerialDevices.h"

#include <filesystem>
#include <system_error>

namespace ortavel {

SerialDeviceFolder::SerialDeviceFolder(std::string folder) : m_folder(std::move(folder)) {}

std::vector<std::string> SerialDeviceFolder::adapters() const
{
    namespace fs = std::filesystem;
    std::vector<std::string> found;
    std::error_code error;
    // No folder means no adapter is plugged in.
    for (fs::directory_iterator it(m_folder, error), end; !error && it != end; it.increment(error)) {
        // A link left behind by an adapter just pulled out leads nowhere.
        std::error_code missing;
        if (fs::exists(it->path(), missing))
            found.push_back(it->path().string());
    }
    return found;
}

} // namespace ortavel
