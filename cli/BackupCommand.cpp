#include "BackupCommand.h"

#include "AddressText.h"
#include "BackupJson.h"
#include "Bus.h"
#include "CommonOptions.h"
#include "Console.h"
#include "HistoryNotes.h"
#include "TargetRate.h"
#include "TransmitterReader.h"

#include <QSaveFile>

#include <cstdio>

namespace ortavel::cli {

bool BackupCommand::parse(const std::vector<std::string> &args, const CommonOptions &, std::string &error)
{
    const auto address = args.empty() || args.size() > 2 ? std::nullopt : parseAddress(args.front());
    if (!address) {
        error = "backup takes ADDR [FILE]";
        return false;
    }
    m_address = formatAddress(*address);
    m_file = args.size() == 2 ? args[1] : std::string();
    return true;
}

int BackupCommand::run(Bus &bus, const CommonOptions &options)
{
    std::string error;
    if (!prepareTargetRate(bus, m_address, options, error)) {
        errf("ortavel-cli: %s\n", error.c_str());
        return bus.interrupted() ? kExitInterrupted : kExitFailed;
    }
    const TransmitterRecord record = TransmitterReader(bus, m_address).readAll();
    recordSnapshot(bus, record);
    if (record.interrupted) {
        err("interrupted: no backup written\n");
        return kExitInterrupted;
    }
    std::vector<std::string> missing;
    const auto backup = BackupFile::fromRecord(record, missing);
    if (!backup) {
        // A backup with holes would later write less than it promises.
        std::string fields;
        for (const auto &field : missing)
            fields += " " + field;
        errf("ortavel-cli: no backup written; not read from %s:%s\n", m_address.c_str(), fields.c_str());
        return kExitFailed;
    }
    const QByteArray json = backupToJson(*backup);
    if (m_file.empty()) {
        outJsonBytes(json);
        return kExitOk;
    }
    const std::string fileName = fileForBus(m_file, options);
    QSaveFile file(QString::fromStdString(fileName));
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit()) {
        errf("ortavel-cli: cannot write %s: %s\n", fileName.c_str(), file.errorString().toStdString().c_str());
        return kExitUsage;
    }
    errf("backup of %s written to %s\n", m_address.c_str(), fileName.c_str());
    return kExitOk;
}

} // namespace ortavel::cli
