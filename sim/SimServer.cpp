#include "SimServer.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <future>
#include <limits>
#include <poll.h>
#include <stdexcept>
#include <unistd.h>

namespace ortavel::sim {

namespace {
using SteadyClock = std::chrono::steady_clock;

// A master that keeps reporting a hang-up is left alone this long, so a
// broken line cannot make the loop spin.
constexpr auto kHangUpPause = std::chrono::milliseconds(50);

// The echo is the request itself on the line: a request that follows does
// not cancel it, as it does what is left of a reply. Reply groups count up
// from 1 and never reach this one.
constexpr std::uint64_t kEchoGroup = std::numeric_limits<std::uint64_t>::max();

std::string freshLinkPath()
{
    static std::atomic<int> counter{0};
    const auto name = "ortavel-sim-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    return (std::filesystem::temp_directory_path() / name).string();
}

timespec toTimespec(SteadyClock::duration d)
{
    if (d < SteadyClock::duration::zero())
        d = SteadyClock::duration::zero();
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(d);
    const auto rest = std::chrono::duration_cast<std::chrono::nanoseconds>(d - seconds);
    return {static_cast<time_t>(seconds.count()), static_cast<long>(rest.count())};
}
} // namespace

SimServer::SimServer() = default;

SimServer::~SimServer()
{
    stop();
}

std::string SimServer::start(const BusConfig &bus, const Options &options)
{
    stop();
    std::array<int, 2> pipeFds{};
    if (::pipe2(pipeFds.data(), O_NONBLOCK | O_CLOEXEC) != 0)
        throw std::runtime_error("pipe: cannot create");
    auto link = std::make_unique<PtyLink>(options.linkPath.empty() ? freshLinkPath() : options.linkPath);
    std::string error;
    if (!link->open(error)) {
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        throw std::runtime_error(error);
    }
    {
        const std::lock_guard lock(m_mutex);
        m_options = options;
        m_bus = std::make_unique<Bus>(bus, options.timing);
        m_link = std::move(link);
        m_traceLog = std::make_unique<TraceLog>(SteadyClock::now());
        m_splitter.clear();
        m_timers.clear();
        m_trace.clear();
        m_firstTraceId = 0;
        m_lastEntry.reset();
        m_masterQuietUntil.reset();
        m_stopping = false;
        m_wakeRead = pipeFds[0];
        m_wakeWrite = pipeFds[1];
    }
    m_running = true;
    m_thread = std::thread([this] { run(); });
    return linkPath();
}

void SimServer::stop()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    wake();
    if (m_thread.joinable())
        m_thread.join();
    const std::lock_guard lock(m_mutex);
    m_running = false;
    // Tasks posted while the loop was ending still get done.
    for (const auto &task : m_tasks)
        task();
    m_tasks.clear();
    if (m_link)
        m_link->close();
    m_timers.clear();
    for (int *fd : {&m_wakeRead, &m_wakeWrite}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}

std::string SimServer::linkPath() const
{
    const std::lock_guard lock(m_mutex);
    return m_link ? m_link->linkPath() : std::string();
}

void SimServer::wake() const
{
    if (m_wakeWrite >= 0) {
        const char byte = 1;
        [[maybe_unused]] const auto n = ::write(m_wakeWrite, &byte, 1);
    }
}

void SimServer::runInLoop(const std::function<void()> &task)
{
    if (!m_running) {
        const std::lock_guard lock(m_mutex);
        task();
        return;
    }
    std::promise<void> done;
    auto finished = done.get_future();
    {
        const std::lock_guard lock(m_mutex);
        m_tasks.emplace_back([&task, &done] {
            task();
            done.set_value();
        });
    }
    wake();
    finished.wait();
}

void SimServer::run()
{
    for (;;) {
        {
            const std::lock_guard lock(m_mutex);
            for (const auto &task : m_tasks)
                task();
            m_tasks.clear();
            if (m_stopping)
                return;
        }
        pollOnce();
    }
}

void SimServer::pollOnce()
{
    std::array<pollfd, 2> fds{};
    nfds_t count = 1;
    fds[0] = {m_wakeRead, POLLIN, 0};
    std::optional<SteadyClock::time_point> due;
    {
        const std::lock_guard lock(m_mutex);
        const auto now = SteadyClock::now();
        if (m_masterQuietUntil && now >= *m_masterQuietUntil)
            m_masterQuietUntil.reset();
        if (m_link->isOpen() && !m_masterQuietUntil) {
            const short events = static_cast<short>(POLLIN | (m_link->hasPendingOutput() ? POLLOUT : 0));
            fds[1] = {m_link->masterFd(), events, 0};
            count = 2;
        }
        due = m_timers.nextDue();
        if (m_masterQuietUntil && (!due || *m_masterQuietUntil < *due))
            due = m_masterQuietUntil;
    }
    timespec timeout{};
    if (due)
        timeout = toTimespec(*due - SteadyClock::now());
    const int ready = ::ppoll(fds.data(), count, due ? &timeout : nullptr, nullptr);
    if (ready < 0 && errno != EINTR)
        return;

    if ((fds[0].revents & POLLIN) != 0) {
        std::array<char, 64> drain{};
        while (::read(m_wakeRead, drain.data(), drain.size()) > 0) {
        }
    }
    const std::lock_guard lock(m_mutex);
    const auto now = SteadyClock::now();
    if (count == 2 && m_link->isOpen() && m_link->masterFd() == fds[1].fd) {
        if ((fds[1].revents & POLLIN) != 0)
            readRequests(now);
        else if ((fds[1].revents & (POLLHUP | POLLERR)) != 0)
            m_masterQuietUntil = now + kHangUpPause;
        if ((fds[1].revents & POLLOUT) != 0)
            m_link->flush();
    }
    m_timers.runDue(SteadyClock::now());
}

void SimServer::readRequests(SteadyClock::time_point now)
{
    bool failed = false;
    const std::string bytes = m_link->readAvailable(failed);
    if (failed && bytes.empty()) {
        m_masterQuietUntil = now + kHangUpPause;
        return;
    }
    if (m_options.echo && !bytes.empty()) {
        // Back on the line once the last of these bytes has been sent on it.
        const auto due = now + m_options.timing.bytesTime(bytes.size(), m_link->lineBaud());
        m_timers.schedule(due, kEchoGroup, [this, bytes] {
            if (m_link->isOpen())
                m_link->write(bytes);
        });
    }
    const auto frames = m_splitter.feed(bytes);
    if (frames.empty())
        return;
    // The rate in force when the CR arrived.
    const int lineBaud = m_link->lineBaud();
    for (const auto &frame : frames)
        handleFrame(frame, lineBaud, now);
}

void SimServer::handleFrame(const std::string &frame, int lineBaud, SteadyClock::time_point now)
{
    // A new request ends whatever is left of the previous reply: the tool
    // has stopped listening for it.
    if (m_timers.cancel(m_replyGroup) > 0 && m_lastEntry) {
        if (TraceEntry *last = entryById(*m_lastEntry); last && !last->replyEnd && !last->reply.empty())
            last->note = "cancelled";
    }
    m_bus->commitPending();

    ReplyPlan plan = m_bus->onFrame(frame, lineBaud);
    plan.entry.received = now;
    const std::uint64_t id = m_firstTraceId + m_trace.size();
    m_trace.push_back(plan.entry);
    if (m_trace.size() > m_options.traceLimit) {
        m_trace.pop_front();
        ++m_firstTraceId;
    }
    m_lastEntry = id;
    logLine(m_traceLog->requestLine(plan.entry));

    const std::uint64_t group = ++m_replyGroup;
    if (plan.commitPending)
        m_timers.schedule(now + plan.commitAt, group, [this] { m_bus->commitPending(); });
    for (auto &burst : plan.bursts) {
        m_timers.schedule(now + burst.at, group,
                          [this, id, bytes = std::move(burst.bytes), completes = burst.completesReply] {
                              writeBurst(id, bytes, completes);
                          });
    }
}

void SimServer::writeBurst(std::uint64_t id, const std::string &bytes, bool completesReply)
{
    if (!m_link->isOpen())
        return;
    // Recorded before the write, so whoever reads the reply finds its entry.
    if (TraceEntry *entry = entryById(id); entry && completesReply) {
        entry->replyEnd = SteadyClock::now();
        logLine(m_traceLog->replyLine(*entry));
    }
    m_link->write(bytes);
}

TraceEntry *SimServer::entryById(std::uint64_t id)
{
    if (id < m_firstTraceId || id - m_firstTraceId >= m_trace.size())
        return nullptr;
    return &m_trace[id - m_firstTraceId];
}

void SimServer::logLine(const std::string &line) const
{
    if (m_options.log != nullptr)
        *m_options.log << line << std::endl;
}

std::vector<TraceEntry> SimServer::trace() const
{
    const std::lock_guard lock(m_mutex);
    return {m_trace.begin(), m_trace.end()};
}

std::vector<TraceEntry> SimServer::traceFrom(std::uint64_t index) const
{
    const std::lock_guard lock(m_mutex);
    const auto skip = std::min<std::uint64_t>(index > m_firstTraceId ? index - m_firstTraceId : 0, m_trace.size());
    return {m_trace.begin() + static_cast<std::ptrdiff_t>(skip), m_trace.end()};
}

void SimServer::clearTrace()
{
    const std::lock_guard lock(m_mutex);
    m_firstTraceId += m_trace.size();
    m_trace.clear();
}

int SimServer::setFault(int address, const FaultSetting &setting)
{
    const std::lock_guard lock(m_mutex);
    return m_bus ? m_bus->setFault(address, setting) : 0;
}

int SimServer::setPressure(int address, double pressure, double offset, double gain)
{
    const std::lock_guard lock(m_mutex);
    return m_bus ? m_bus->setPressure(address, pressure, offset, gain) : 0;
}

std::vector<TransmitterState> SimServer::transmitters() const
{
    const std::lock_guard lock(m_mutex);
    return m_bus ? m_bus->states() : std::vector<TransmitterState>{};
}

std::vector<TransmitterState> SimServer::settledTransmitters() const
{
    const std::lock_guard lock(m_mutex);
    return m_bus ? m_bus->settledStates() : std::vector<TransmitterState>{};
}

std::optional<TransmitterState> SimServer::transmitter(int address) const
{
    for (auto &state : transmitters()) {
        if (state.config.address == address)
            return state;
    }
    return std::nullopt;
}

void SimServer::vanish()
{
    runInLoop([this] {
        if (!m_link)
            return;
        m_timers.clear();
        m_link->close();
        m_splitter.clear();
        m_masterQuietUntil.reset();
    });
}

bool SimServer::comeBack()
{
    bool ok = false;
    runInLoop([this, &ok] {
        if (!m_link)
            return;
        std::string error;
        ok = m_link->open(error);
        m_splitter.clear();
        if (!ok)
            logLine("comeBack: " + error);
    });
    return ok;
}

} // namespace ortavel::sim
