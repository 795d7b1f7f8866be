#pragma once

#include "CommonOptions.h"
#include "ExchangeBus.h"
#include "adapters/LinkPort.h"
#include "adapters/SettingsStoreQt.h"
#include "link/PortMap.h"
#include "link/SerialDevices.h"
#include "link/SteadyClock.h"
#include "traffic/TrafficRecorder.h"

#if ORTAVEL_HISTORY
#include "RunHistory.h"
#endif

#include <cstdint>
#include <memory>
#include <string>

namespace ortavel::cli {

// What one command-line run puts behind the Bus: the serial port, the
// clock, the settings store, the port map and the instrument history. The
// exchanges themselves are the ExchangeBus's, as in the tests; this adds
// the trace and the notices on stderr, Ctrl-C and the history's recording.
class LinkSession {
public:
    explicit LinkSession(const CommonOptions &options);
#if ORTAVEL_HISTORY
    // One bus of several: the history goes through `writer`, which every
    // bus shares and whose owner finishes it.
    LinkSession(const CommonOptions &options, std::shared_ptr<HistoryWriter> writer);
#endif

    // Opens the history, then the device or numbered port at the chosen
    // rate; false with the reason (a --history that names no place, or the
    // serial layer's description) on failure.
    bool open(std::string &error);
    // Waits for the history's entries and says once on stderr if they could
    // not be stored. The run's exit status stays what it was.
    void finish();

    Bus &bus()
    {
        return m_bus;
    }

private:
    // One line per exchange in the format of traffic/TrafficLine.h, after a
    // header line once.
    void traceLine(const ExchangeTrace &exchange, ExchangeResult result);

    SettingsStoreQt m_store;
    SerialDeviceFolder m_devices;
    PortMap m_portMap;
    LinkPort m_port;
    SteadyClock m_clock;
    ExchangeBus m_bus;
    CommonOptions m_options;
    std::int64_t m_start;
    bool m_traceHeaderWritten = false;
    bool m_opened = false;
#if ORTAVEL_HISTORY
    std::unique_ptr<RunHistory> m_history;
    std::shared_ptr<HistoryWriter> m_sharedWriter;
#endif
};

} // namespace ortavel::cli
