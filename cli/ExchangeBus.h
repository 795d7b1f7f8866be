#pragma once

#include "Bus.h"
#include "link/Exchange.h"

#include <functional>

namespace ortavel {
class Clock;
class SerialPort;
} // namespace ortavel

namespace ortavel::cli {

// A Bus over any SerialPort and Clock: the plain C++ path used by tests and
// benchmarks.
class ExchangeBus final : public Bus {
public:
    ExchangeBus(SerialPort &port, const Clock &clock);

    std::string send(const std::string &address, const std::string &command) override;
    std::string probe(const std::string &address, const std::string &command,
                      const std::optional<QuickSearchWait> &quick) override;
    bool setBaud(int baud) override;
    int baud() const override { return m_baud; }
    bool interrupted() const override { return m_stop && m_stop(); }

    void setStopCheck(std::function<bool()> stop) { m_stop = std::move(stop); }
    // Called after every exchange with the command and its result.
    void setObserver(std::function<void(const std::string &, const std::string &)> observer)
    {
        m_observer = std::move(observer);
    }

private:
    std::string exchange(const std::string &address, const std::string &command, AfterFailure afterFailure,
                         const std::optional<QuickSearchWait> &quick = std::nullopt);

    SerialPort &m_port;
    Exchange m_exchange;
    int m_baud = 9600;
    std::function<bool()> m_stop;
    std::function<void(const std::string &, const std::string &)> m_observer;
};

} // namespace ortavel::cli
