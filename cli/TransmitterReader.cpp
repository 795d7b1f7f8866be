#include "TransmitterReader.h"

#include "Bus.h"
#include "Confirmation.h"
#include "Units.h"
#include "ValueText.h"
#include "link/Commands.h"

#include <cmath>

namespace ortavel::cli {

namespace {
std::string withoutCr(std::string text)
{
    if (!text.empty() && text.back() == '\r')
        text.pop_back();
    return text;
}
} // namespace

TransmitterReader::TransmitterReader(Bus &bus, std::string address) : m_bus(bus), m_address(std::move(address)) {}

std::optional<std::string> TransmitterReader::readText(const std::string &command, std::string &error)
{
    const std::string result = m_bus.send(m_address, command);
    // A bare reply holds no value, as in the window: an empty text taken
    // from it would later be written back as a value.
    if (isReplyFrom(result, m_address) && !replyData(result).empty())
        return replyData(result);
    error = withoutCr(result);
    return std::nullopt;
}

std::optional<int> TransmitterReader::readCode(const std::string &command, int low, int high, std::string &error)
{
    const std::string result = m_bus.send(m_address, command);
    if (isReplyFrom(result, m_address)) {
        const auto number = strictNumber(replyData(result));
        if (number && std::nearbyint(*number) == *number && *number >= low && *number <= high)
            return static_cast<int>(*number);
    }
    error = withoutCr(result);
    return std::nullopt;
}

bool TransmitterReader::stop(TransmitterRecord &record)
{
    if (m_bus.interrupted())
        record.interrupted = true;
    return record.interrupted;
}

void TransmitterReader::text(TransmitterRecord &record, std::optional<std::string> &field, const std::string &name,
                             const std::string &command)
{
    if (stop(record))
        return;
    std::string error;
    field = readText(command, error);
    record.reads.push_back({command, field.value_or(error), field.has_value()});
    if (!field)
        record.errors.emplace_back(name, error);
}

void TransmitterReader::code(TransmitterRecord &record, std::optional<int> &field, const std::string &name,
                             const std::string &command, int low, int high)
{
    if (stop(record))
        return;
    std::string error;
    field = readCode(command, low, high, error);
    record.reads.push_back({command, field ? std::to_string(*field) : error, field.has_value()});
    if (!field)
        record.errors.emplace_back(name, error);
}

TransmitterRecord TransmitterReader::readAll()
{
    TransmitterRecord r;
    r.address = m_address;
    r.baud = m_bus.baud();
    text(r, r.type, "type", std::string(cmd::Type));
    text(r, r.version, "version", std::string(cmd::Version));
    text(r, r.output4mA, "output_4ma", std::string(cmd::Output4mA));
    text(r, r.output20mA, "output_20ma", std::string(cmd::Output20mA));
    text(r, r.displayZero, "display_zero", std::string(cmd::DisplayZero));
    text(r, r.displayFullScale, "display_full_scale", std::string(cmd::DisplayFull));
    code(r, r.unitCode, "unit", std::string(cmd::Unit), 0, static_cast<int>(UnitNames.size()) - 1);
    if (!r.unitCode && !r.interrupted)
        r.errors.emplace_back("unit_code", r.errors.back().second);
    text(r, r.id, "id", std::string(cmd::Ident));
    code(r, r.decimals, "decimals", std::string(cmd::Decimals), 0, static_cast<int>(kDecimalPatterns.size()) - 1);
    text(r, r.trim4mA, "trim_4ma", std::string(cmd::Trim4mA));
    text(r, r.trim20mA, "trim_20ma", std::string(cmd::Trim20mA));
    text(r, r.pressure, "pressure", std::string(cmd::Pressure));
    text(r, r.temperature, "temperature", std::string(cmd::Temperature));
    code(r, r.calibration.points, "calibration.points", std::string(cmd::PointCount), 0, kCalibrationRows);
    for (int i = 0; i < kCalibrationRows; ++i) {
        auto &row = r.calibration.rows[static_cast<std::size_t>(i)];
        const std::string prefix = "calibration.table." + std::to_string(i) + ".";
        text(r, row.standard, prefix + "standard", cmd::point(cmd::Standard, i));
        text(r, row.measured, prefix + "measured", cmd::point(cmd::Measured, i));
    }
    return r;
}

} // namespace ortavel::cli
