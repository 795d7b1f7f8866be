#pragma once

#include "Bus.h"
#include "BusConfig.h"
#include "FrameSplitter.h"
#include "PtyLink.h"
#include "TimerQueue.h"
#include "TraceEntry.h"
#include "TraceLog.h"
#include "WireTiming.h"

#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

namespace ortavel::sim {

// Runs a simulated bus on a pseudo-terminal in a background thread, for the
// program, the tests and the benchmarks. Every public call is thread-safe.
class SimServer {
public:
    struct Options {
        std::string linkPath; // empty: a fresh path in the temporary folder
        WireTiming timing;
        std::ostream *log = nullptr; // gets the --trace lines
        std::size_t traceLimit = 100000;
        // The line hands back every byte the tool sends, as a two-wire
        // adapter that hears its own transmission does.
        bool echo = false;
    };

    SimServer();
    ~SimServer();
    SimServer(const SimServer &) = delete;
    SimServer &operator=(const SimServer &) = delete;

    // Creates the line and starts answering; returns the path of the serial
    // end. Throws std::runtime_error when the line cannot be made.
    std::string start(const BusConfig &bus, const Options &options);
    std::string start(const BusConfig &bus) { return start(bus, Options{}); }
    // Stops answering and removes the link. Safe to call more than once.
    void stop();
    bool isRunning() const { return m_running; }
    std::string linkPath() const;

    // Every request seen since the start (or the last clearTrace), oldest
    // first; at most traceLimit entries are kept.
    std::vector<TraceEntry> trace() const;
    // The entries from the index-th request since the start on, counting
    // those cleared: for a reader that takes them as they come.
    std::vector<TraceEntry> traceFrom(std::uint64_t index) const;
    void clearTrace();

    // The fault setting of every transmitter at an address, from the next
    // reply on; returns how many transmitters it reached.
    int setFault(int address, const FaultSetting &setting);
    // The pressure applied at an address and the sensor's offset and gain
    // (it reads gain * pressure + offset before a zero); returns how many
    // transmitters it reached.
    int setPressure(int address, double pressure, double offset = 0.0, double gain = 1.0);

    std::vector<TransmitterState> transmitters() const;
    // As the next request will find them: a new address or rate whose reply
    // is still on its way counts already.
    std::vector<TransmitterState> settledTransmitters() const;
    // The first transmitter now at an address.
    std::optional<TransmitterState> transmitter(int address) const;

    // Closes the master: the tool's open port sees errors and the link goes
    // away. comeBack() makes a new line at the same link path.
    void vanish();
    bool comeBack();

private:
    void run();
    void runInLoop(const std::function<void()> &task);
    void wake() const;
    void pollOnce();
    void readRequests(std::chrono::steady_clock::time_point now);
    void handleFrame(const std::string &frame, int lineBaud, std::chrono::steady_clock::time_point now);
    void writeBurst(std::uint64_t id, const std::string &bytes, bool completesReply);
    TraceEntry *entryById(std::uint64_t id);
    void logLine(const std::string &line) const;

    mutable std::mutex m_mutex; // guards everything below but the thread
    Options m_options;
    std::unique_ptr<Bus> m_bus;
    std::unique_ptr<PtyLink> m_link;
    std::unique_ptr<TraceLog> m_traceLog;
    FrameSplitter m_splitter;
    TimerQueue m_timers;
    std::deque<TraceEntry> m_trace;
    std::uint64_t m_firstTraceId = 0;
    std::uint64_t m_replyGroup = 0;
    std::optional<std::uint64_t> m_lastEntry;
    std::vector<std::function<void()>> m_tasks;
    std::optional<std::chrono::steady_clock::time_point> m_masterQuietUntil;
    bool m_stopping = false;
    std::atomic<bool> m_running{false};
    int m_wakeRead = -1;
    int m_wakeWrite = -1;
    std::thread m_thread;
};

} // namespace ortavel::sim
