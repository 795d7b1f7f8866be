#pragma once

#include "Bus.h"
#include "CommonOptions.h"
#include "adapters/SettingsStoreQt.h"
#include "adapters/SystemSerialPort.h"
#include "link/Exchange.h"
#include "link/PortMap.h"
#include "link/SerialDevices.h"
#include "link/SteadyClock.h"
#include "traffic/TrafficRecorder.h"

#include <cstdint>
#include <set>
#include <string>

namespace ortavel::cli {

// The serial port and exchange of one command-line run.
class LinkSession final : public Bus {
public:
    explicit LinkSession(const CommonOptions &options);

    // Opens the device or numbered port at the chosen rate; false with the
    // serial layer's description on failure.
    bool open(std::string &error);

    // One exchange, traced on stderr when asked for, one line per exchange in
    // the format of traffic/TrafficLine.h.
    std::string send(const std::string &address, const std::string &command) override;
    std::string probe(const std::string &address, const std::string &command,
                      const std::optional<QuickSearchWait> &quick) override;

    bool setBaud(int baud) override;
    int baud() const override { return m_baud; }
    // Ctrl-C, once Interrupt::install() has run.
    bool interrupted() const override;
    SerialPort &port() { return m_port; }

private:
    std::string exchange(const std::string &address, const std::string &command, AfterFailure afterFailure,
                         const std::optional<QuickSearchWait> &quick = std::nullopt);
    void traceLine(const TrafficRecorder &one);
    // A late reply: traced, and told once per address on stderr.
    void reportLate(const LateReply &late);

    SettingsStoreQt m_store;
    SerialDeviceFolder m_devices;
    PortMap m_portMap;
    SystemSerialPort m_port;
    SteadyClock m_clock;
    Exchange m_exchange;
    CommonOptions m_options;
    int m_baud;
    std::int64_t m_start;
    bool m_traceHeaderWritten = false;
    std::set<std::string> m_lateTold;
};

} // namespace ortavel::cli
