#include "LinkSession.h"

#include "Interrupt.h"
#include "link/LineSettings.h"
#include "traffic/TrafficLine.h"

#include <cstdio>

namespace ortavel::cli {

LinkSession::LinkSession(const CommonOptions &options)
    : m_store(QString::fromStdString(options.settingsDir)), m_portMap(&m_store, &m_devices), m_port(m_portMap),
      m_exchange(m_port, m_clock), m_options(options), m_baud(options.baud), m_start(m_clock.nowMs())
{
    for (const auto &[number, path] : options.portMap)
        m_portMap.setOverride(number, path);
}

bool LinkSession::open(std::string &error)
{
    m_port.setSettings(lineSettingsText(std::to_string(m_baud)));
    bool opened = false;
    if (m_options.device) {
        opened = m_port.openDevice(*m_options.device);
    } else {
        m_port.setPortNumber(m_options.port.value_or(1));
        opened = m_port.open();
    }
    if (!opened)
        error = m_port.errorString();
    return opened;
}

bool LinkSession::setBaud(int baud)
{
    if (!m_port.setSettings(lineSettingsText(std::to_string(baud))))
        return false;
    m_baud = baud;
    return true;
}

bool LinkSession::interrupted() const
{
    return Interrupt::requested();
}

std::string LinkSession::send(const std::string &address, const std::string &command)
{
    return exchange(address, command, AfterFailure::Drain);
}

std::string LinkSession::probe(const std::string &address, const std::string &command,
                               const std::optional<QuickSearchWait> &quick)
{
    return exchange(address, command, AfterFailure::NoDrain, quick);
}

std::string LinkSession::exchange(const std::string &address, const std::string &command, AfterFailure afterFailure,
                                  const std::optional<QuickSearchWait> &quick)
{
    std::string result = m_exchange.Comm_Send(address, command, afterFailure, quick);
    if (const auto &late = m_exchange.lateReply())
        reportLate(*late);
    if (m_options.trace) {
        TrafficRecorder one(1);
        one.setOrigin(m_start);
        one.record(m_exchange.lastStartMs(), m_clock.nowMs(), m_baud, address, m_exchange.lastRequest(),
                   m_exchange.lastReceived(), result);
        traceLine(one);
    }
    return result;
}

void LinkSession::reportLate(const LateReply &late)
{
    if (m_options.trace) {
        TrafficRecorder one(1);
        one.setOrigin(m_start);
        one.record(late.startMs, late.endMs, m_baud, late.address, late.request, late.bytes, ExchangeResult::LateReply);
        traceLine(one);
    }
    if (m_lateTold.insert(late.address).second)
        std::fprintf(stderr, "%s\n", lateReplyNotice(late.address, late.timeoutMs).c_str());
}

// The Traffic window's line format, after a header line once.
void LinkSession::traceLine(const TrafficRecorder &one)
{
    if (!m_traceHeaderWritten) {
        std::fprintf(stderr, "%.*s\n", static_cast<int>(kTrafficHeader.size()), kTrafficHeader.data());
        m_traceHeaderWritten = true;
    }
    std::fprintf(stderr, "%s\n", trafficLine(one.at(0)).c_str());
}

} // namespace ortavel::cli
