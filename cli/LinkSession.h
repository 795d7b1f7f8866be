#pragma once

#include "CommonOptions.h"
#include "ExchangeBus.h"
#include "adapters/SettingsStoreQt.h"
#include "adapters/SystemSerialPort.h"
#include "link/PortMap.h"
#include "link/SerialDevices.h"
#include "link/SteadyClock.h"
#include "traffic/TrafficRecorder.h"

#include <cstdint>
#include <string>

namespace ortavel::cli {

// What one command-line run puts behind the Bus: the serial port, the
// clock, the settings store and the port map. The exchanges themselves are
// the ExchangeBus's, as in the tests; this adds the trace and the notices
// on stderr, and Ctrl-C.
class LinkSession {
public:
    explicit LinkSession(const CommonOptions &options);

    // Opens the device or numbered port at the chosen rate; false with the
    // serial layer's description on failure.
    bool open(std::string &error);

    Bus &bus() { return m_bus; }

private:
    // One line per exchange in the format of traffic/TrafficLine.h, after a
    // header line once.
    void traceLine(const ExchangeTrace &exchange, ExchangeResult result);

    SettingsStoreQt m_store;
    SerialDeviceFolder m_devices;
    PortMap m_portMap;
    SystemSerialPort m_port;
    SteadyClock m_clock;
    ExchangeBus m_bus;
    CommonOptions m_options;
    std::int64_t m_start;
    bool m_traceHeaderWritten = false;
};

} // namespace ortavel::cli
