#include "InProcessLine.h"

namespace ortavel::test {

InProcessLine::InProcessLine(const LineLayout &layout)
{
    for (const auto &[number, bus] : layout.buses)
        m_buses.emplace(number, std::make_unique<sim::Bus>(bus, sim::WireTiming{}));
    m_port.missingPorts = layout.missingPorts;
    m_port.setResponder([this](const std::string &bytes) -> std::optional<FakeReply> {
        onFrames(bytes);
        return std::nullopt;
    });
}

std::vector<sim::TransmitterState> InProcessLine::transmitters(int port) const
{
    const auto bus = m_buses.find(port);
    return bus == m_buses.end() ? std::vector<sim::TransmitterState>{} : bus->second->states();
}

void InProcessLine::setFault(int port, int address, const sim::FaultSetting &setting)
{
    if (const auto bus = m_buses.find(port); bus != m_buses.end())
        bus->second->setFault(address, setting);
}

void InProcessLine::onFrames(const std::string &bytes)
{
    const auto bus = m_buses.find(m_port.portNumber());
    const int lineBaud = lineBaudOf(m_port.settings());
    for (const auto &frame : m_splitters[m_port.portNumber()].feed(bytes)) {
        onRequest(frame);
        if (bus == m_buses.end()) {
            sim::TraceEntry nobody;
            nobody.frame = frame;
            nobody.lineBaud = lineBaud;
            nobody.note = "no bus";
            onAnswer(nobody);
            continue;
        }
        const auto plan = bus->second->onFrame(frame, lineBaud);
        for (const auto &burst : plan.bursts) {
            const auto ms = std::chrono::ceil<std::chrono::milliseconds>(burst.at).count();
            m_port.deliver(burst.bytes, static_cast<int>(ms));
        }
        // At once: the fake clock has no moment between the reply and the next request.
        if (plan.commitPending)
            bus->second->commitPending();
        onAnswer(plan.entry);
    }
}

} // namespace ortavel::test
