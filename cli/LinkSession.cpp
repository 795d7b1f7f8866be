#include "LinkSession.h"

#include "Console.h"
#include "Interrupt.h"
#include "traffic/TrafficLine.h"

#include <cstdio>

namespace ortavel::cli {

LinkSession::LinkSession(const CommonOptions &options)
    : m_store(QString::fromStdString(options.settingsDir)), m_portMap(&m_store, &m_devices), m_port(m_portMap),
      m_bus(m_port, m_clock), m_options(options), m_start(m_clock.nowMs())
{
    for (const auto &[number, path] : options.portMap)
        m_portMap.setOverride(number, path);
    // The port is closed: this only chooses the rate it opens at.
    m_bus.setBaud(options.baud);
    m_bus.setStopCheck([] { return Interrupt::requested(); });
    m_port.onLineFault = [](const std::string &fault) { errf("ortavel-cli: %s\n", fault.c_str()); };
    if (options.trace)
        m_bus.setTrace([this](const ExchangeTrace &exchange) { traceLine(exchange, classifyResult(exchange.result)); });
    m_bus.setLateReplyNotice([this](const LateReply &late, bool first) {
        if (m_options.trace)
            traceLine(ExchangeTrace{late.startMs, late.endMs, m_bus.baud(), late.address, late.request, late.bytes, {}},
                      ExchangeResult::LateReply);
        if (first)
            errf("%s\n", lateReplyNotice(late.address, late.timeoutMs).c_str());
    });
}

#if ORTAVEL_HISTORY
LinkSession::LinkSession(const CommonOptions &options, std::shared_ptr<HistoryWriter> writer) : LinkSession(options)
{
    m_sharedWriter = std::move(writer);
}
#endif

bool LinkSession::open(std::string &error)
{
#if ORTAVEL_HISTORY
    if (m_sharedWriter) {
        m_history = std::make_unique<RunHistory>(m_sharedWriter, runOrigin(m_options, m_store));
    } else if (!m_options.noHistory) {
        const auto place = chosenHistoryPlace(m_options, m_store, error);
        if (!place)
            return false;
        m_history = std::make_unique<RunHistory>(place->place, runOrigin(m_options, m_store));
    }
#else
    if (m_options.history) {
        error = "--history: this build keeps no instrument history";
        return false;
    }
#endif
    bool opened = false;
    if (m_options.device) {
        opened = m_port.openDevice(*m_options.device);
    } else {
        m_port.setPortNumber(m_options.port.value_or(1));
        opened = m_port.open();
    }
    if (!opened) {
        error = m_port.errorString();
        return false;
    }
    if (const auto fixed = m_port.fixedBaud(); fixed && *fixed != m_bus.baud()) {
        error = "--baud " + std::to_string(m_bus.baud()) + ": the line's rate is set at its device server (" +
                std::to_string(*fixed) + " baud)";
        m_port.close();
        return false;
    }
    m_opened = true;
#if ORTAVEL_HISTORY
    if (m_history)
        m_history->attach(m_bus, m_options.device.value_or(m_portMap.devicePath(m_options.port.value_or(1))));
#endif
    return true;
}

void LinkSession::finish()
{
    // Every request after the loss got no reply; this says why, once.
    if (m_opened && !m_port.isOpen())
        errf("ortavel-cli: the line was lost during the run: %s\n", m_port.errorString().c_str());
#if ORTAVEL_HISTORY
    if (m_history)
        m_history->finish();
#endif
}

void LinkSession::traceLine(const ExchangeTrace &exchange, ExchangeResult result)
{
    TrafficRecorder one(1);
    one.setOrigin(m_start);
    one.record(exchange.startMs, exchange.endMs, exchange.baud, exchange.address, exchange.request, exchange.received,
               result);
    if (!m_traceHeaderWritten) {
        errf("%.*s\n", static_cast<int>(kTrafficHeader.size()), kTrafficHeader.data());
        m_traceHeaderWritten = true;
    }
    errf("%s\n", trafficLine(one.at(0)).c_str());
}

} // namespace ortavel::cli
