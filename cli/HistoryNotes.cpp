#include "HistoryNotes.h"

#include "Bus.h"

#if ORTAVEL_HISTORY
#include "CommonOptions.h"
#include "history/HistoryRecorder.h"
#include "link/Commands.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace ortavel::cli {

namespace {

// The command that reads what `write` writes; empty when there is none.
std::string readFormOf(const PlannedWrite &write)
{
    if (write.value.empty() || write.command.size() <= write.value.size())
        return {};
    std::string read = write.command.substr(0, write.command.size() - write.value.size());
    for (const cmd::Info &info : cmd::kCatalogue) {
        if (info.readForm && read.starts_with(info.letters) &&
            read.size() == info.letters.size() + (info.pointDigit ? 1 : 0))
            return read;
    }
    return {};
}

std::string tableJson(const HistoryRecorder &history, const std::string &address)
{
    const auto count = parseBoundedInt(history.valueOf(address, std::string(cmd::PointCount)), 0, kCalibrationRows);
    QJsonArray points;
    for (int i = 0; i < count.value_or(kCalibrationRows); ++i)
        points.append(
            QJsonObject{{"point", i},
                        {"standard", QString::fromStdString(history.valueOf(address, cmd::point(cmd::Standard, i)))},
                        {"measured", QString::fromStdString(history.valueOf(address, cmd::point(cmd::Measured, i)))}});
    return QJsonDocument(points).toJson(QJsonDocument::Compact).toStdString();
}

} // namespace

void readIdentity(Bus &bus, const std::string &address)
{
    HistoryRecorder *history = bus.history();
    if (history == nullptr)
        return;
    const Identity known = history->identityOf(address);
    const std::pair<const std::string *, std::string_view> fields[] = {
        {&known.type, cmd::Type}, {&known.ident, cmd::Ident}, {&known.version, cmd::Version}};
    for (const auto &[value, letters] : fields) {
        if (value->empty() && !bus.interrupted())
            bus.send(address, std::string(letters));
    }
}

void readBeforeWrites(Bus &bus, const std::string &address, const std::vector<PlannedWrite> &plan)
{
    readIdentity(bus, address);
    HistoryRecorder *history = bus.history();
    for (const PlannedWrite &write : plan) {
        const std::string read = readFormOf(write);
        if (history == nullptr || bus.interrupted())
            return;
        if (!read.empty() && history->valueOf(address, read) == kNotRead)
            bus.send(address, read);
    }
}

void nameOperator(Bus &bus, const std::string &name, const CommonOptions &options)
{
    if (HistoryRecorder *history = bus.history(); history != nullptr && !name.empty() && !options.operatorName)
        history->setOperatorName(name);
}

void recordSnapshot(Bus &bus, const TransmitterRecord &record)
{
    HistoryRecorder *history = bus.history();
    if (history == nullptr)
        return;
    std::vector<SnapshotField> fields;
    for (const FieldRead &read : record.reads)
        fields.push_back({read.command, read.value, read.good});
    history->snapshot(record.address, fields);
}

void recordVerification(Bus &bus, const std::string &address, const std::string &run, bool passed,
                        const std::string &detail)
{
    if (HistoryRecorder *history = bus.history())
        history->verification(address, run, passed ? "pass" : "fail", detail);
}

std::string readCalibrationTable(Bus &bus, const std::string &address)
{
    HistoryRecorder *history = bus.history();
    if (history == nullptr)
        return {};
    bus.send(address, std::string(cmd::PointCount));
    for (int i = 0; i < kCalibrationRows && !bus.interrupted(); ++i) {
        bus.send(address, cmd::point(cmd::Measured, i));
        bus.send(address, cmd::point(cmd::Standard, i));
    }
    return tableJson(*history, address);
}

void recordCalibrationWritten(Bus &bus, const std::string &address, const std::string &before)
{
    if (HistoryRecorder *history = bus.history())
        history->calibration(address, "written", before, tableJson(*history, address));
}

} // namespace ortavel::cli

#else

namespace ortavel::cli {

void readIdentity(Bus &, const std::string &) {}
void readBeforeWrites(Bus &, const std::string &, const std::vector<PlannedWrite> &) {}
void nameOperator(Bus &, const std::string &, const CommonOptions &) {}
void recordSnapshot(Bus &, const TransmitterRecord &) {}
void recordVerification(Bus &, const std::string &, const std::string &, bool, const std::string &) {}
std::string readCalibrationTable(Bus &, const std::string &)
{
    return {};
}
void recordCalibrationWritten(Bus &, const std::string &, const std::string &) {}

} // namespace ortavel::cli

#endif
