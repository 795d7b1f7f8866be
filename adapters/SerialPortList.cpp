#include "SerialPortList.h"

#ifdef _WIN32
#include <windows.h>

#include <array>
#else
#include <QSerialPortInfo>
#endif

namespace ortavel {

#ifdef _WIN32
// Every serial driver enters its ports under SERIALCOMM: the value's data is
// the port's name, its name the driver's device.
std::vector<SerialPortListing> serialPortsPresent()
{
    std::vector<SerialPortListing> ports;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) != ERROR_SUCCESS)
        return ports;
    for (DWORD index = 0;; ++index) {
        std::array<char, 256> name{};
        std::array<char, 256> data{};
        auto nameSize = static_cast<DWORD>(name.size());
        auto dataSize = static_cast<DWORD>(data.size() - 1);
        DWORD type = 0;
        const LONG status = RegEnumValueA(key, index, name.data(), &nameSize, nullptr, &type,
                                          reinterpret_cast<BYTE *>(data.data()), &dataSize);
        if (status == ERROR_NO_MORE_ITEMS)
            break;
        if (status != ERROR_SUCCESS || type != REG_SZ)
            continue;
        ports.push_back({std::string(data.data()), std::string(name.data(), nameSize)});
    }
    RegCloseKey(key);
    return ports;
}
#else
std::vector<SerialPortListing> serialPortsPresent()
{
    std::vector<SerialPortListing> ports;
    for (const auto &info : QSerialPortInfo::availablePorts())
        ports.push_back({info.systemLocation().toStdString(), info.description().toStdString()});
    return ports;
}
#endif

} // namespace ortavel
