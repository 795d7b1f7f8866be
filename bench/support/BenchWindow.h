#pragma once

#include "adapters/LinkPort.h"
#include "adapters/SettingsStoreQt.h"
#include "controls/MessageBox.h"
#include "link/PortMap.h"
#include "link/SteadyClock.h"
#include "mainwin/Ortavel.h"
#include "sim/SimServer.h"
#include "support/MemoryHistory.h"
#ifdef ORTAVEL_BENCH_HISTORY
#include "adapters/HistoryWriter.h"
#endif
#include "ui/MainWindow.h"
#include "ui/QtEventPump.h"
#include "ui/QtWindowHost.h"

#include <QTemporaryDir>

#include <string>

namespace ortavel::bench {

// Keeps the last message; prints each on stderr unless quiet.
class NotedMessageBox final : public MessageBox {
public:
    void show(const std::string &text, const std::string &title, bool exclamation) override;
    std::string last;
    bool quiet = false;
};

// The main window as the operator meets it, on the programs' own port to a
// simulated bus: port com1 remembered in a fresh settings folder and opened
// by the window's load. Its echo setting is the default, auto: on a line
// that echoes, the echo is taken out.
class BenchWindow {
public:
    explicit BenchWindow(const sim::BusConfig &bus, const sim::SimServer::Options &options = {});
    BenchWindow(const BenchWindow &) = delete;
    BenchWindow &operator=(const BenchWindow &) = delete;

    sim::SimServer server; // outlives the port
    QTemporaryDir folder;
    SettingsStoreQt settings{folder.path()};
    PortMap portMap{&settings};
    LinkPort port{portMap};
    SteadyClock clock;
    NotedMessageBox messages;
    QtEventPump events;
    QtWindowHost windows;
#ifdef ORTAVEL_BENCH_HISTORY
    HistoryWriter historyWriter{
        HistoryPlace{HistoryPlace::Backend::Sqlite, folder.filePath("history.sqlite").toStdString()},
        folder.filePath("history-spool.sqlite").toStdString()};
    HistoryRecorder history{historyWriter, Origin{"bench", "", "bench", "ortavel bench"}};
#else
    test::MemoryHistory memoryHistory;
    HistoryRecorder &history = memoryHistory.recorder;
#endif
    Ortavel model{port, clock, settings, messages, events, windows, history};
    MainWindow window{model};
};

} // namespace ortavel::bench
