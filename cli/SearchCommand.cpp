#include "SearchCommand.h"

#include "Bus.h"
#include "BusSearch.h"
#include "CommonOptions.h"
#include "JsonText.h"
#include "ProgressLine.h"
#include "SearchOptions.h"
#include "TextTable.h"

#include <QJsonArray>

#include <cstdio>

namespace ortavel::cli {

bool SearchCommand::parse(const std::vector<std::string> &args, const CommonOptions &, std::string &error)
{
    std::vector<std::string> rest = args;
    if (!takeSearchOptions(rest, m_addresses, m_bauds, error))
        return false;
    if (!rest.empty()) {
        error = "search takes no argument " + rest.front();
        return false;
    }
    return true;
}

int SearchCommand::run(Bus &bus, const CommonOptions &options)
{
    ProgressLine progress;
    const auto outcome =
        BusSearch::run(bus, m_addresses, m_bauds, [&](const std::string &address, int baud, std::size_t found) {
            progress.show("searching address " + address + " at " + std::to_string(baud) + " baud, " +
                          std::to_string(found) + " found");
        });
    progress.clear();
    if (options.json) {
        QJsonArray list;
        for (const auto &t : outcome.found)
            list.append(QJsonObject{{"address", QString::fromStdString(t.address)}, {"baud", t.baud}});
        printJson(list);
    } else {
        TextTable table({"address", "baud"});
        for (const auto &t : outcome.found)
            table.addRow({t.address, std::to_string(t.baud)});
        std::fputs(table.text().c_str(), stdout);
    }
    std::fprintf(stderr, "%s: %zu found in %d exchanges\n", outcome.interrupted ? "interrupted" : "search over",
                 outcome.found.size(), outcome.exchanges);
    if (outcome.interrupted)
        return kExitInterrupted;
    return outcome.found.empty() ? kExitFailed : kExitOk;
}

} // namespace ortavel::cli
