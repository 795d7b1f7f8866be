#include "BenchWindow.h"

#include <cstdio>

namespace ortavel::bench {

void NotedMessageBox::show(const std::string &text, const std::string &title, bool)
{
    last = text;
    if (!quiet)
        std::fprintf(stderr, "message: %s: %s\n", title.c_str(), text.c_str());
}

BenchWindow::BenchWindow(const sim::BusConfig &bus, const sim::SimServer::Options &options)
{
    portMap.setOverride(1, server.start(bus, options));
    settings.setValue(Ortavel::kAppTitle, Ortavel::kSettingsSection, Ortavel::kSettingsKey, "1");
    windows.addWindow(model.name(), &window, true);
    model.Form_Load();
}

} // namespace ortavel::bench
