#include "OneRequestCommand.h"

#include "AddressText.h"
#include "Bus.h"
#include "CommonOptions.h"
#include "Confirmation.h"
#include "HistoryNotes.h"
#include "JsonText.h"
#include "ReportOutput.h"
#include "SaveOption.h"
#include "TargetRate.h"
#include "ValueText.h"
#include "link/Commands.h"

#include <cstdio>

namespace ortavel::cli {

bool OneRequestCommand::parse(const std::vector<std::string> &args, const CommonOptions &, std::string &error)
{
    const std::size_t expected = m_kind == Kind::Save ? 2 : 1;
    const auto address = args.size() == expected ? parseAddress(args.front()) : std::nullopt;
    const bool areaOk = m_kind != Kind::Save || (address && parseSaveArea(args[1], m_area));
    if (!address || !areaOk) {
        error = m_kind == Kind::Save ? "save takes ADDR user|factory"
                                     : std::string(m_kind == Kind::Zero ? "zero" : "restore-factory") + " takes ADDR";
        return false;
    }
    m_address = formatAddress(*address);
    return true;
}

int OneRequestCommand::run(Bus &bus, const CommonOptions &options)
{
    std::string error;
    if (!prepareTargetRate(bus, m_address, options, error)) {
        std::fprintf(stderr, "ortavel-cli: %s\n", error.c_str());
        return bus.interrupted() ? kExitInterrupted : kExitFailed;
    }
    std::string command;
    switch (m_kind) {
    case Kind::Zero:
        command = cmd::SetZero;
        break;
    case Kind::Save:
        command = m_area == SaveArea::User ? cmd::SaveUser : cmd::SaveFactory;
        break;
    case Kind::Restore:
        command = cmd::LoadFactory;
        break;
    }
    readIdentity(bus, m_address);
    const std::string result = bus.send(m_address, command);
    // The zero answers with the new pressure; the others with "OK".
    const bool ok = m_kind == Kind::Zero ? isReplyFrom(result, m_address) && strictNumber(replyData(result))
                                         : isStored(result, m_address);
    const std::string shown = resultLine(result);
    if (options.json) {
        QJsonObject report{{"address", QString::fromStdString(m_address)},
                           {"request", QString::fromStdString(command)},
                           {"result", QString::fromStdString(shown)},
                           {"confirmed", ok}};
        if (m_kind == Kind::Zero)
            report.insert("pressure", ok ? QJsonValue(QString::fromStdString(replyData(result))) : QJsonValue());
        printJson(report);
    } else {
        std::printf("%s %s: %s (%s)\n", m_address.c_str(), command.c_str(), ok ? "confirmed" : "not confirmed",
                    shown.c_str());
    }
    return ok ? kExitOk : kExitFailed;
}

} // namespace ortavel::cli
