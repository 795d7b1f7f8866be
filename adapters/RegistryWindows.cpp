#include "RegistryWindows.h"

#include <windows.h>

namespace ortavel {

// Read rights only: a key of the local machine opened for full access is
// refused to every account but an administrator's.
std::optional<Registry::Value> RegistryWindows::read(std::uint32_t root, const std::string &keyPath,
                                                     const std::string &valueName)
{
    // The predefined roots are sign-extended handle values, as windows.h makes them.
    // NOLINTNEXTLINE(performance-no-int-to-ptr)
    const auto rootKey = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
    HKEY key = nullptr;
    if (RegOpenKeyExA(rootKey, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::nullopt;
    Value value;
    value.data.resize(kMaxData);
    DWORD type = 0;
    auto size = static_cast<DWORD>(value.data.size());
    const LONG status = RegQueryValueExA(key, valueName.c_str(), nullptr, &type, value.data.data(), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS)
        return std::nullopt;
    value.type = type;
    value.data.resize(size);
    return value;
}

} // namespace ortavel
