#include "PortsCommand.h"

#include "CommonOptions.h"
#include "JsonText.h"
#include "TextTable.h"
#include "adapters/SettingsStoreQt.h"
#include "link/PortMap.h"
#include "link/SerialDevices.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QSerialPortInfo>

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

    const auto ports = QSerialPortInfo::availablePorts();
    QJsonArray portList;
    TextTable portTable({"device", "description", "port"});
    for (const auto &info : ports) {
        QString behind;
        for (int n = PortMap::kFirstPort; n <= PortMap::kLastPort; ++n) {
            if (canonical(QString::fromStdString(map.devicePath(n))) == canonical(info.systemLocation()))
                behind += (behind.isEmpty() ? "com" : ", com") + QString::number(n);
        }
        portList.append(QJsonObject{{"device", info.systemLocation()},
                                    {"description", info.description()},
                                    {"port", behind.isEmpty() ? QJsonValue() : QJsonValue(behind)}});
        portTable.addRow({info.systemLocation().toStdString(), info.description().toStdString(),
                          behind.isEmpty() ? "-" : behind.toStdString()});
    }
    QJsonArray mapList;
    // Why each device is there: option (--port-map), set (settings store),
    // found (an adapter present) or default.
    TextTable mapTable({"port", "device", "why", "present"});
    for (int n = PortMap::kFirstPort; n <= PortMap::kLastPort; ++n) {
        const PortEntry entry = map.entry(n);
        const QString path = QString::fromStdString(entry.device);
        const char *why = PortMap::sourceName(entry.source);
        const bool present = QFileInfo::exists(path);
        mapList.append(
            QJsonObject{{"port", "com" + QString::number(n)}, {"device", path}, {"why", why}, {"present", present}});
        mapTable.addRow({"com" + std::to_string(n), path.toStdString(), why, present ? "yes" : "no"});
    }
    if (options.json) {
        printJson(QJsonObject{{"ports", portList}, {"map", mapList}});
    } else {
        std::fputs(portTable.text().c_str(), stdout);
        std::putchar('\n');
        std::fputs(mapTable.text().c_str(), stdout);
    }
    return kExitOk;
}

} // namespace ortavel::cli
