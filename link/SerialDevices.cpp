#include "SerialDevices.h"

#include <filesystem>
#include <system_error>

namespace ortavel {

SerialDeviceFolder::SerialDeviceFolder(std::string folder) : m_folder(std::move(folder)) {}

std::vector<SerialAdapter> SerialDeviceFolder::adapters() const
{
    namespace fs = std::filesystem;
    std::vector<SerialAdapter> found;
    std::error_code error;
    // No folder means no adapter is plugged in.
    for (fs::directory_iterator it(m_folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code resolveError;
        const fs::path device = fs::canonical(it->path(), resolveError);
        // A link left behind by an adapter just pulled out leads nowhere.
        if (!resolveError)
            found.push_back({it->path().string(), device.string()});
    }
    return found;
}

} // namespace ortavel
