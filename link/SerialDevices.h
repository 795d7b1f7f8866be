#pragma once

#include <string>
#include <vector>

namespace ortavel {

// A serial adapter present on the machine: its stable name (a link under
// /dev/serial/by-id/) and the device node it points to.
struct SerialAdapter {
    std::string link;
    std::string device;
};

// The serial adapters present, in any order.
class SerialDevices {
public:
    virtual ~SerialDevices() = default;
    virtual std::vector<SerialAdapter> adapters() const = 0;
};

// The links in a folder, by default the one udev keeps per adapter.
class SerialDeviceFolder final : public SerialDevices {
public:
    explicit SerialDeviceFolder(std::string folder = "/dev/serial/by-id");
    std::vector<SerialAdapter> adapters() const override;

private:
    std::string m_folder;
};

} // namespace ortavel
