#include "NetworkLine.h"

#include "link/PortAddress.h"
#include "sim/TraceLog.h"

#include <algorithm>
#include <thread>

namespace ortavel::test {

namespace {

// Loopback and ser2net carry a frame within milliseconds: one not at its bus by then is lost.
constexpr auto kCarryTimeout = std::chrono::seconds(3);

std::string shown(const std::string &frame)
{
    return "'" + sim::TraceLog::escaped(frame) + "'";
}

} // namespace

NetworkLine::NetworkLine()
{
    m_tapped.onWriting = [this](const std::string &bytes) { writing(bytes); };
    m_tapped.onWritten = [this](bool ok) { written(ok); };
}

NetworkLine::~NetworkLine()
{
    // The connection goes before its server.
    if (m_link.isOpen())
        m_link.close();
}

bool NetworkLine::start(const LineLayout &layout)
{
    if (!m_folder.isValid()) {
        m_error = "cannot make a temporary folder";
        return false;
    }
    sim::SimServer::Options options;
    // A late reply stays late once the network's allowance is added to the wait.
    options.timing.lateMin = std::chrono::milliseconds(PortAddress::kNetworkAllowanceMs + 40);
    options.timing.lateMax = std::max(options.timing.lateMax, options.timing.lateMin + std::chrono::milliseconds(40));
    auto buses = layout.buses;
    if (layout.emptyPort != 0)
        buses.emplace(layout.emptyPort, sim::BusConfig{});
    for (const auto &[number, config] : buses) {
        const std::string name = "com" + std::to_string(number) + ": ";
        auto bus = std::make_unique<Bus>();
        std::string device;
        try {
            device = bus->server.start(config, options);
        } catch (const std::exception &e) {
            m_error = name + e.what();
            return false;
        }
        if (number == layout.emptyPort) {
            m_portMap.setOverride(number, device);
        } else {
            if (!bus->deviceServer.start(device)) {
                m_error = name + bus->deviceServer.error();
                return false;
            }
            m_portMap.setOverride(number, bus->deviceServer.rfc2217Url());
        }
        m_buses.emplace(number, std::move(bus));
    }
    for (const int number : layout.missingPorts)
        m_portMap.setOverride(number, m_folder.filePath("com" + QString::number(number)).toStdString());
    return true;
}

void NetworkLine::writing(const std::string &bytes)
{
    // The bus's answer to every earlier frame is learnt before the next frame is judged.
    answerWritten();
    if (!m_link.isOpen())
        return;
    const int number = m_link.portNumber();
    const auto bus = m_buses.find(number);
    const int baud = lineBaudOf(m_link.settings());
    for (const auto &frame : m_splitters[number].feed(bytes)) {
        m_unanswered.push_back({bus == m_buses.end() ? nullptr : bus->second.get(), frame, baud});
        ++m_inWrite;
        if (onRequest)
            onRequest(frame);
    }
}

void NetworkLine::written(bool ok)
{
    if (!ok) {
        for (std::size_t i = m_unanswered.size() - m_inWrite; i < m_unanswered.size(); ++i)
            m_unanswered[i].bus = nullptr;
    }
    m_inWrite = 0;
}

bool NetworkLine::settle(std::string &error)
{
    answerWritten();
    error = std::exchange(m_fault, {});
    return error.empty();
}

void NetworkLine::answerWritten()
{
    while (m_unanswered.size() > m_inWrite) {
        std::string error;
        if (!answerOldest(error) && m_fault.empty())
            m_fault = error;
    }
}

bool NetworkLine::answerOldest(std::string &error)
{
    const Written written = m_unanswered.front();
    m_unanswered.pop_front();
    sim::TraceEntry entry;
    entry.frame = written.frame;
    entry.lineBaud = written.lineBaud;
    entry.note = "not sent";
    if (written.bus == nullptr) {
        if (onAnswer)
            onAnswer(entry);
        return true;
    }
    const auto deadline = std::chrono::steady_clock::now() + kCarryTimeout;
    auto seen = written.bus->server.traceFrom(written.bus->told);
    while (seen.empty() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        seen = written.bus->server.traceFrom(written.bus->told);
    }
    bool carried = false;
    if (seen.empty()) {
        error = "the frame " + shown(written.frame) + " never reached its bus";
    } else if (++written.bus->told; seen.front().frame != written.frame) {
        error = "the bus met " + shown(seen.front().frame) + " where the window wrote " + shown(written.frame);
    } else {
        entry = seen.front();
        carried = true;
        ++m_carried;
    }
    if (onAnswer)
        onAnswer(entry);
    return carried;
}

std::vector<sim::TransmitterState> NetworkLine::transmitters(int port) const
{
    const auto bus = m_buses.find(port);
    return bus == m_buses.end() ? std::vector<sim::TransmitterState>{} : bus->second->server.settledTransmitters();
}

void NetworkLine::setFault(int port, int address, const sim::FaultSetting &setting)
{
    if (const auto bus = m_buses.find(port); bus != m_buses.end())
        bus->second->server.setFault(address, setting);
}

} // namespace ortavel::test
