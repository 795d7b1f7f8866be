#include "ReportOutput.h"

#include "Console.h"
#include "TextTable.h"
#include "traffic/TrafficLine.h"

#include <QJsonArray>

#include <cstdio>

namespace ortavel::cli {

std::string resultLine(const std::string &result)
{
    return escapeControls(!result.empty() && result.back() == '\r' ? result.substr(0, result.size() - 1) : result);
}

void printWriteReport(const WriteReport &report)
{
    TextTable table({"field", "request", "result", "status"});
    for (const auto &o : report.outcomes)
        table.addRow({o.field, escapeControls(o.command), resultLine(o.result), o.confirmed ? "confirmed" : o.reason});
    outTable(table);
}

QJsonObject writeReportToJson(const WriteReport &report)
{
    QJsonArray writes;
    for (const auto &o : report.outcomes) {
        QJsonObject item{{"field", QString::fromStdString(o.field)},
                         {"request", QString::fromStdString(o.command)},
                         {"result", QString::fromStdString(resultLine(o.result))},
                         {"confirmed", o.confirmed}};
        if (!o.confirmed)
            item.insert("reason", QString::fromStdString(o.reason));
        writes.append(item);
    }
    return QJsonObject{{"address", QString::fromStdString(report.address)},
                       {"baud", report.baud},
                       {"confirmed", report.confirmedCount()},
                       {"failed", report.failedCount()},
                       {"interrupted", report.interrupted},
                       {"writes", writes}};
}

} // namespace ortavel::cli
