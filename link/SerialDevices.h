#pragma once

#include <string>
#include <vector>

namespace ortavel {

// The serial adapters present, by their stable names, in any order.
class SerialDevices {
public:
    virtual ~SerialDevices() = default;
    virtual std::vector<std::string> adapters() const = 0;
};

// The links in a folder, by default the one udev keeps per adapter.
class SerialDeviceFolder final : public SerialDevices {
public:
    explicit SerialDeviceFolder(std::string folder = "/dev/serial/by-id");
    std::vector<std::string> adapters() const override;

private:
    std::string m_folder;
};

} // namespace ortavel
