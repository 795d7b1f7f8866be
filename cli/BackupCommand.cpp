#include "BackupCommand.h"

#include "AddressText.h"
#include "BackupFile.h"
#include "Bus.h"
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
        std::fprintf(stderr, "ortavel-cli: %s\n", error.c_str());
        return bus.interrupted() ? kExitInterrupted : kExitFailed;
    }
    const TransmitterRecord record = TransmitterReader(bus, m_address).readAll();
    recordSnapshot(bus, record);
    if (record.interrupted) {
        std::fputs("interrupted: no backup written\n", stderr);
        return kExitInterrupted;
    }
    std::vector<std::string> missing;
    const auto backup = BackupFile::fromRecord(record, missing);
    if (!backup) {
        // A backup with holes would later write less than it promises.
        std::fprintf(stderr, "ortavel-cli: no backup written; not read from %s:", m_address.c_str());
        for (const auto &field : missing)
            std::fprintf(stderr, " %s", field.c_str());
        std::fputc('\n', stderr);
        return kExitFailed;
    }
    const QByteArray json = backup->toJson();
    if (m_file.empty()) {
        std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout);
        std::fflush(stdout);
        return kExitOk;
    }
    QSaveFile file(QString::fromStdString(m_file));
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit()) {
        std::fprintf(stderr, "ortavel-cli: cannot write %s: %s\n", m_file.c_str(),
                     file.errorString().toStdString().c_str());
        return kExitUsage;
    }
    std::fprintf(stderr, "backup of %s written to %s\n", m_address.c_str(), m_file.c_str());
    return kExitOk;
}

} // namespace ortavel::cli
