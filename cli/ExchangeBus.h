#pragma once

#include "Bus.h"
#include "link/Exchange.h"

#include <cstdint>
#include <functional>
#include <set>
#include <string>

namespace ortavel {
class Clock;
class SerialPort;
} // namespace ortavel

namespace ortavel::cli {

// One exchange as the trace shows it.
struct ExchangeTrace {
    std::int64_t startMs = 0;
    std::int64_t endMs = 0;
    int baud = 0;
    std::string address;
    std::string request;  // the frame as it went out
    std::string received; // the bytes as they came
    std::string result;
};

// The one Bus over Exchange, for the program and its tests alike. The
// program adds what it shows with the hooks; without them nothing is shown.
class ExchangeBus final : public Bus {
public:
    ExchangeBus(SerialPort &port, const Clock &clock);

    std::string send(const std::string &address, const std::string &command) override;
    std::string probe(const std::string &address, const std::string &command,
                      const std::optional<QuickSearchWait> &quick) override;
    bool setBaud(int baud) override;
    int baud() const override { return m_baud; }
    std::optional<int> fixedBaud() const override;
    int allowanceMs() const override;
    int latencyMs() const override;
    bool interrupted() const override { return m_stop && m_stop(); }
    HistoryRecorder *history() override { return m_history; }

    void setStopCheck(std::function<bool()> stop) { m_stop = std::move(stop); }
    // Called after every exchange.
    void setTrace(std::function<void(const ExchangeTrace &)> trace) { m_trace = std::move(trace); }
    // Called for every late reply discarded before a request; `first` is
    // true for the first one of its address, so a notice is given once.
    void setLateReplyNotice(std::function<void(const LateReply &, bool first)> notice)
    {
        m_lateNotice = std::move(notice);
    }

    // Called after every exchange whose request was written, with the
    // address and command as given and the result.
    void setSentHook(std::function<void(const std::string &, const std::string &, const std::string &)> sent)
    {
        m_sent = std::move(sent);
    }
    // Called after every rate the line was set to.
    void setBaudHook(std::function<void(int)> baudSet) { m_baudSet = std::move(baudSet); }
    void setHistory(HistoryRecorder *history) { m_history = history; }

private:
    std::string exchange(const std::string &address, const std::string &command, AfterFailure afterFailure,
                         const std::optional<QuickSearchWait> &quick = std::nullopt);

    SerialPort &m_port;
    const Clock &m_clock;
    Exchange m_exchange;
    int m_baud = 9600;
    std::function<bool()> m_stop;
    std::function<void(const ExchangeTrace &)> m_trace;
    std::function<void(const LateReply &, bool)> m_lateNotice;
    std::set<std::string> m_lateTold;
    std::function<void(const std::string &, const std::string &, const std::string &)> m_sent;
    std::function<void(int)> m_baudSet;
    HistoryRecorder *m_history = nullptr;
};

} // namespace ortavel::cli
