#pragma once

#include "cli/Bus.h"

#include <functional>
#include <string>

namespace ortavel {

class Ortavel;

// The command line's Bus over the main window's line, so that a window
// writes a configuration with the very code `ortavel-cli apply` uses, while
// every exchange still goes through Comm_Send (and so into Traffic and the
// history).
class MainWindowBus final : public cli::Bus {
public:
    explicit MainWindowBus(Ortavel &main) : m_main(main) {}

    std::string send(const std::string &address, const std::string &command) override;
    std::string probe(const std::string &address, const std::string &command,
                      const std::optional<QuickSearchWait> &quick) override;
    // Puts the line on the CMB_BAND entry of that rate; false when there is none.
    bool setBaud(int baud) override;
    int baud() const override;
    std::optional<int> fixedBaud() const override;
    int allowanceMs() const override;
    int latencyMs() const override;
    bool interrupted() const override { return m_stop && m_stop(); }
    HistoryRecorder *history() override;

    // Asked between exchanges; may let the window handle its events.
    void setStopCheck(std::function<bool()> stop) { m_stop = std::move(stop); }

private:
    Ortavel &m_main;
    std::function<bool()> m_stop;
};

} // namespace ortavel
