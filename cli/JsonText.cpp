#include "JsonText.h"

#include "Console.h"
#include "Units.h"

#include <QJsonArray>

namespace ortavel::cli {

QJsonObject recordToJson(const TransmitterRecord &r)
{
    QJsonObject errors;
    for (const auto &[field, result] : r.errors)
        errors.insert(QString::fromStdString(field), QString::fromStdString(result));
    const std::optional<std::string> unit = r.unitCode ? std::optional(unitName(*r.unitCode)) : std::nullopt;
    return QJsonObject{
        {"address", QString::fromStdString(r.address)},
        {"baud", r.baud},
        {"type", jsonText(r.type)},
        {"id", jsonText(r.id)},
        {"version", jsonText(r.version)},
        {"unit", jsonText(unit)},
        {"unit_code", jsonNumber(r.unitCode)},
        {"decimals", jsonNumber(r.decimals)},
        {"display_zero", jsonText(r.displayZero)},
        {"display_full_scale", jsonText(r.displayFullScale)},
        {"output_4ma", jsonText(r.output4mA)},
        {"output_20ma", jsonText(r.output20mA)},
        {"trim_4ma", jsonText(r.trim4mA)},
        {"trim_20ma", jsonText(r.trim20mA)},
        {"pressure", jsonText(r.pressure)},
        {"temperature", jsonText(r.temperature)},
        {"calibration", calibrationToJson(r.calibration)},
        {"errors", errors},
    };
}

void printJson(const QJsonValue &value)
{
    outJson(value);
}

} // namespace ortavel::cli
