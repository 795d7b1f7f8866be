#pragma once

#include "OperatorLine.h"
#include "TappedPort.h"
#include "adapters/LinkPort.h"
#include "link/PortMap.h"
#include "link/SteadyClock.h"
#include "sim/FrameSplitter.h"
#include "sim/SimServer.h"
#include "support/DeviceServer.h"

#include <QTemporaryDir>

#include <deque>
#include <memory>

namespace ortavel::test {

// The buses on the simulator's pseudo-terminals, each behind ser2net in RFC 2217 mode, reached by the
// program's own LinkPort; the empty port is a pseudo-terminal of this computer with nobody on it. Requests
// are learnt as the window writes them, the bus's answers from the simulator's trace. Real time: every
// reply and every silence costs what it costs on the line.
class NetworkLine final : public OperatorLine {
public:
    NetworkLine();
    ~NetworkLine() override;
    NetworkLine(const NetworkLine &) = delete;
    NetworkLine &operator=(const NetworkLine &) = delete;

    // False, with the reason in error(), when a simulator or a device server does not start.
    bool start(const LineLayout &layout);
    const std::string &error() const { return m_error; }

    SerialPort &port() override { return m_tapped; }
    Clock &clock() override { return m_clock; }
    // Real time passes by itself.
    void letPass(std::chrono::milliseconds) override {}
    bool settle(std::string &error) override;
    std::vector<sim::TransmitterState> transmitters(int port) const override;
    void setFault(int port, int address, const sim::FaultSetting &setting) override;
    // A search through every rate with its silences, on a busy machine.
    std::chrono::milliseconds slowAction() const override { return std::chrono::seconds(60); }

    // Frames that reached their bus as written.
    long framesCarried() const { return m_carried; }

private:
    struct Bus {
        sim::SimServer server;
        DeviceServer deviceServer;
        bool behindServer = false;
        std::uint64_t told = 0; // trace entries told through onAnswer
    };
    // A frame written and not yet answered: its bus, none when the write failed.
    struct Written {
        Bus *bus = nullptr;
        std::string frame;
        int lineBaud = 0;
    };

    void writing(const std::string &bytes);
    void written(bool ok);
    // Tells onAnswer of every frame sent so far; the first fault stays for settle().
    void answerWritten();
    bool answerOldest(std::string &error);

    QTemporaryDir m_folder;
    std::map<int, std::unique_ptr<Bus>> m_buses;
    PortMap m_portMap;
    LinkPort m_link{m_portMap};
    TappedPort m_tapped{m_link};
    SteadyClock m_clock;
    std::map<int, sim::FrameSplitter> m_splitters;
    std::deque<Written> m_unanswered;
    std::size_t m_inWrite = 0; // frames of the write under way, at the back of m_unanswered
    std::string m_fault;       // the first frame a bus did not meet as written, until settle() tells of it
    std::string m_error;
    long m_carried = 0;
};

} // namespace ortavel::test
