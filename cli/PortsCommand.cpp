#include "PortsCommand.h"

#include "CommonOptions.h"
#include "JsonText.h"
#include "TextTable.h"
#if ORTAVEL_HISTORY
#include "RunHistory.h"
#endif
#include "adapters/LinkPort.h"
#include "adapters/SerialPortList.h"
#include "adapters/SettingsStoreQt.h"
#include "link/PortAddress.h"
#include "link/PortMap.h"
#include "link/SerialDevices.h"

#include <QFileInfo>
#include <QJsonArray>

#include <algorithm>
#include <cstdio>

namespace ortavel::cli {

namespace {
// Links such as /tmp/com1 name the same device as the port list does.
QString canonical(const QString &path)
{
    const QString target = QFileInfo(path).canonicalFilePath();
    return target.isEmpty() ? path : target;
}
} // namespace

bool PortsCommand::parse(const std::vector<std::string> &args, const CommonOptions &, std::string &error)
{
    if (!args.empty()) {
        error = "ports takes no arguments";
        return false;
    }
    return true;
}

int PortsCommand::run(Bus &, const CommonOptions &options)
{
    return runWithoutPort(options);
}

int PortsCommand::runWithoutPort(const CommonOptions &options)
{
    SettingsStoreQt store(QString::fromStdString(options.settingsDir));
    SerialDeviceFolder devices;
    PortMap map(&store, &devices);
    for (const auto &[number, path] : options.portMap)
        map.setOverride(number, path);

    const auto ports = serialPortsPresent();
    QJsonArray portList;
    TextTable portTable({"device", "description", "port"});
    for (const auto &info : ports) {
        const QString device = QString::fromStdString(info.device);
        QString behind;
        for (int n = PortMap::kFirstPort; n <= PortMap::kLastPort; ++n) {
            if (canonical(QString::fromStdString(map.devicePath(n))) == canonical(device))
                behind += (behind.isEmpty() ? "com" : ", com") + QString::number(n);
        }
        portList.append(QJsonObject{{"device", device},
                                    {"description", QString::fromStdString(info.description)},
                                    {"port", behind.isEmpty() ? QJsonValue() : QJsonValue(behind)}});
        portTable.addRow({info.device, info.description, behind.isEmpty() ? "-" : behind.toStdString()});
    }
    QJsonArray mapList;
    // Why each device is there: option (--port-map), set (settings store),
    // found (an adapter present) or default.
    TextTable mapTable({"port", "device", "why", "present", "link"});
    for (int n = PortMap::kFirstPort; n <= PortMap::kLastPort; ++n) {
        const PortEntry entry = map.entry(n);
        std::string error;
        const auto address = parsePortAddress(entry.device, error);
        const std::string target = address ? address->target() : entry.device;
        const QString path = QString::fromStdString(target);
        const char *why = PortMap::sourceName(entry.source);
        // Windows' COMn names are no files: present is what the system lists.
        // A device server is known to be there only once it is reached.
        const bool network = address && address->isNetwork();
        const bool present =
            !network && (QFileInfo::exists(path) || std::any_of(ports.begin(), ports.end(), [&target](const auto &p) {
                             return p.device == target;
                         }));
        const std::string link = LinkPort::details(entry.device);
        mapList.append(QJsonObject{{"port", "com" + QString::number(n)},
                                   {"device", path},
                                   {"why", why},
                                   {"present", network ? QJsonValue() : QJsonValue(present)},
                                   {"link", QString::fromStdString(link)}});
        mapTable.addRow({"com" + std::to_string(n), target, why, network ? "-" : present ? "yes" : "no", link});
    }
    QJsonObject json{{"ports", portList}, {"map", mapList}};
    std::string historyLine;
#if ORTAVEL_HISTORY
    // Where this run's history would go, and why there.
    std::string error;
    if (const auto chosen = chosenHistoryPlace(options, store, error)) {
        json.insert("history", QJsonObject{{"place", QString::fromStdString(chosen->place.text())},
                                           {"why", QString::fromStdString(chosen->why)},
                                           {"recording", !options.noHistory}});
        historyLine = "history: " + chosen->place.text() + " (" + chosen->why + ")" +
                      (options.noHistory ? ", not recording (--no-history)" : "") + "\n";
    } else {
        std::fprintf(stderr, "ortavel-cli: %s\n", error.c_str());
        return kExitUsage;
    }
#endif
    if (options.json) {
        printJson(json);
    } else {
        std::fputs(portTable.text().c_str(), stdout);
        std::putchar('\n');
        std::fputs(mapTable.text().c_str(), stdout);
        if (!historyLine.empty())
            std::printf("\n%s", historyLine.c_str());
    }
    return kExitOk;
}

} // namespace ortavel::cli
