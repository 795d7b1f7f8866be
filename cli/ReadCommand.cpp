#include "ReadCommand.h"

#include "AddressText.h"
#include "Bus.h"
#include "CommonOptions.h"
#include "Console.h"
#include "HistoryNotes.h"
#include "JsonText.h"
#include "TargetRate.h"
#include "TextTable.h"
#include "TransmitterReader.h"
#include "Units.h"

#include <cstdio>

namespace ortavel::cli {

namespace {
std::string shown(const std::optional<std::string> &text)
{
    return text ? *text : "-";
}

std::string shown(const std::optional<int> &number)
{
    return number ? std::to_string(*number) : "-";
}

void printRecord(const TransmitterRecord &r)
{
    TextTable table;
    table.addRow({"address", r.address});
    table.addRow({"baud", std::to_string(r.baud)});
    table.addRow({"type", shown(r.type)});
    table.addRow({"id", shown(r.id)});
    table.addRow({"version", shown(r.version)});
    table.addRow({"unit", r.unitCode ? unitName(*r.unitCode) + " (" + std::to_string(*r.unitCode) + ")" : "-"});
    table.addRow({"decimals", shown(r.decimals)});
    table.addRow({"display_zero", shown(r.displayZero)});
    table.addRow({"display_full_scale", shown(r.displayFullScale)});
    table.addRow({"output_4ma", shown(r.output4mA)});
    table.addRow({"output_20ma", shown(r.output20mA)});
    table.addRow({"trim_4ma", shown(r.trim4mA)});
    table.addRow({"trim_20ma", shown(r.trim20mA)});
    table.addRow({"pressure", shown(r.pressure)});
    table.addRow({"temperature", shown(r.temperature)});
    table.addRow({"calibration points", shown(r.calibration.points)});
    outTable(table);
    TextTable points({"point", "standard", "measured"});
    for (std::size_t i = 0; i < r.calibration.rows.size(); ++i)
        points.addRow(
            {std::to_string(i), shown(r.calibration.rows[i].standard), shown(r.calibration.rows[i].measured)});
    outTable(points);
}
} // namespace

bool ReadCommand::parse(const std::vector<std::string> &args, const CommonOptions &, std::string &error)
{
    const auto address = args.size() == 1 ? parseAddress(args[0]) : std::nullopt;
    if (!address) {
        error = "read takes ADDR (1-99)";
        return false;
    }
    m_address = formatAddress(*address);
    return true;
}

int ReadCommand::run(Bus &bus, const CommonOptions &options)
{
    std::string error;
    if (!prepareTargetRate(bus, m_address, options, error)) {
        errf("ortavel-cli: %s\n", error.c_str());
        return bus.interrupted() ? kExitInterrupted : kExitFailed;
    }
    const TransmitterRecord record = TransmitterReader(bus, m_address).readAll();
    recordSnapshot(bus, record);
    if (options.json)
        printJson(recordToJson(record));
    else
        printRecord(record);
    for (const auto &[field, result] : record.errors)
        errf("%s: not read (%s)\n", field.c_str(), result.c_str());
    if (record.interrupted) {
        err("interrupted: the fields not yet asked are empty\n");
        return kExitInterrupted;
    }
    return record.errors.empty() ? kExitOk : kExitFailed;
}

} // namespace ortavel::cli
