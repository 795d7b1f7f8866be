#include "HistoryRecorder.h"

#include "HistoryStore.h"
#include "link/Commands.h"
#include "link/Exchange.h"
#include "link/Numbers.h"
#include "link/ReplyCheck.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <ctime>
#include <optional>

namespace ortavel {

namespace {

struct ParsedCommand {
    std::string letters;
    std::string parameter; // the letters, with the point digit of a calibration point
    std::string value;     // empty for a read
    bool writeForm = false;
};

// The catalogue entry a command starts with; the longest letters first
// ("RP0" before a two-letter one).
std::optional<ParsedCommand> parseCommand(const std::string &command)
{
    const cmd::Info *best = nullptr;
    for (const cmd::Info &info : cmd::kCatalogue) {
        if (command.starts_with(info.letters) && (best == nullptr || info.letters.size() > best->letters.size()))
            best = &info;
    }
    if (best == nullptr)
        return std::nullopt;
    ParsedCommand parsed{std::string(best->letters), std::string(best->letters), command.substr(best->letters.size()),
                         best->writeForm};
    if (best->pointDigit) {
        if (parsed.value.empty() || std::isdigit(static_cast<unsigned char>(parsed.value.front())) == 0)
            return std::nullopt;
        parsed.parameter += parsed.value.front();
        parsed.value.erase(0, 1);
    }
    return parsed;
}

// Commands without a value that change what the transmitter holds.
bool isAction(std::string_view letters)
{
    return letters == cmd::SetZero || letters == cmd::SaveUser || letters == cmd::SaveFactory ||
           letters == cmd::LoadFactory;
}

std::string_view failureOf(const std::string &result)
{
    return result == kNoReply ? kNoAnswer : kFailed;
}

} // namespace

TimeStamp systemTimeStamp()
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    std::tm utc{};
#ifdef _WIN32
    localtime_s(&local, &seconds);
    gmtime_s(&utc, &seconds);
#else
    localtime_r(&seconds, &local);
    gmtime_r(&seconds, &utc);
#endif
    // The offset is the local calendar time read as if it were UTC, minus UTC.
    utc.tm_isdst = local.tm_isdst;
    const auto offsetSeconds = static_cast<long long>(std::difftime(std::mktime(&local), std::mktime(&utc)));
    return {std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count(),
            static_cast<int>(offsetSeconds / 60)};
}

HistoryRecorder::HistoryRecorder(HistorySink &sink, Origin origin, std::function<TimeStamp()> now)
    : m_sink(sink), m_origin(std::move(origin)), m_now(std::move(now))
{
}

void HistoryRecorder::setLine(std::string port, int baud)
{
    m_port = std::move(port);
    m_baud = baud;
}

void HistoryRecorder::exchanged(const std::string &address, const std::string &command, const std::string &result)
{
    // The console's instruction without a selection carries its own address.
    if (address.empty()) {
        if (command.size() > 2)
            exchanged(command.substr(0, 2), command.substr(2), result);
        return;
    }
    const auto parsed = parseCommand(command);
    if (!parsed)
        return;
    if (isAction(parsed->letters) && parsed->value.empty())
        recordAction(address, parsed->letters, result);
    else if (!parsed->value.empty() && parsed->writeForm)
        recordWrite(address, parsed->parameter, parsed->value, result);
    else if (parsed->value.empty() && isReplyFrom(result, address))
        noteRead(address, parsed->parameter, replyData(result));
}

void HistoryRecorder::noteRead(const std::string &address, const std::string &parameter, const std::string &data)
{
    Known &known = m_known[address];
    known.values[parameter] = data;
    Identity &id = known.identity;
    if (parameter == cmd::Type)
        id.type = data;
    else if (parameter == cmd::Ident)
        id.ident = data;
    else if (parameter == cmd::Version)
        id.version = data;
    else if (parameter == cmd::RangeLow)
        id.sensorLow = data;
    else if (parameter == cmd::RangeHigh)
        id.sensorHigh = data;
}

void HistoryRecorder::recordWrite(const std::string &address, const std::string &parameter, const std::string &value,
                                  const std::string &result)
{
    HistoryEntry entry = entryFor(address, EntryKind::Write);
    entry.parameter = parameter;
    entry.before = valueOf(address, parameter);
    entry.sent = value;
    if (address == kEveryone) {
        entry.result = kBroadcast;
        m_sink.post(std::move(entry));
        return;
    }
    if (isErrorResult(result)) {
        entry.echo = shownResult(result);
        entry.result = failureOf(result);
        m_sink.post(std::move(entry));
        return;
    }
    entry.echo = replyData(result);
    bool confirmed = false;
    if (parameter == cmd::Address)
        confirmed = (isReplyFrom(result, address) || isReplyFrom(result, value)) && entry.echo == value;
    else if (parameter == cmd::Baud)
        confirmed = isBaudConfirmed(result, address, value);
    else if (isReplyFrom(result, address))
        confirmed = isEchoOf(entry.echo, value);
    else
        entry.echo = shownResult(result); // another address answered
    const bool fromTarget = isReplyFrom(result, address) || (parameter == cmd::Address && isReplyFrom(result, value));
    entry.result = confirmed ? kConfirmed : (fromTarget ? kEchoDiffers : kFailed);
    m_sink.post(std::move(entry));
    if (!confirmed)
        return;
    if (parameter == cmd::Address) {
        // The transmitter now answers at its new address; what was read of
        // it stays read.
        auto node = m_known.extract(address);
        if (!node.empty()) {
            node.key() = value;
            m_known.insert_or_assign(value, std::move(node.mapped()));
        }
        m_known[value].values[parameter] = value;
        return;
    }
    noteRead(address, parameter, value);
}

void HistoryRecorder::recordAction(const std::string &address, const std::string &letters, const std::string &result)
{
    HistoryEntry entry = entryFor(address, EntryKind::Write);
    entry.parameter = letters;
    entry.sent = letters;
    if (address == kEveryone) {
        entry.result = kBroadcast;
    } else if (isStored(result, address)) {
        entry.echo = replyData(result);
        entry.result = kConfirmed;
    } else {
        entry.echo = isErrorResult(result) ? shownResult(result) : replyData(result);
        entry.result = isErrorResult(result) ? failureOf(result) : kFailed;
    }
    const bool restored = entry.result == kConfirmed && letters == cmd::LoadFactory;
    m_sink.post(std::move(entry));
    // The factory values replaced what was read; the identity stays known.
    if (restored) {
        auto it = m_known.find(address);
        if (it != m_known.end())
            it->second.values.clear();
    }
}

void HistoryRecorder::newSelection(const std::string &address)
{
    m_known.erase(address);
}

HistoryEntry HistoryRecorder::entryFor(const std::string &address, EntryKind kind) const
{
    const TimeStamp now = m_now();
    HistoryEntry entry;
    entry.kind = kind;
    entry.timeMs = now.utcMs;
    entry.utcOffsetMinutes = now.utcOffsetMinutes;
    entry.origin = m_origin;
    entry.port = m_port;
    entry.baud = m_baud;
    entry.address = address;
    entry.identity = identityOf(address);
    return entry;
}

void HistoryRecorder::snapshot(const std::string &address, const std::vector<SnapshotField> &fields)
{
    HistoryEntry entry = entryFor(address, EntryKind::Snapshot);
    nlohmann::json list = nlohmann::json::array();
    std::size_t good = 0;
    for (const SnapshotField &field : fields) {
        list.push_back({{"parameter", field.parameter}, {"value", field.value}, {"good", field.good}});
        good += field.good ? 1 : 0;
    }
    entry.detail = nlohmann::json{{"fields", list}}.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    entry.result = good == fields.size()
                       ? std::string(kConfirmed)
                       : fill(OT_TR("Ortavel", "%1 of %2 read"), {std::to_string(good), std::to_string(fields.size())});
    m_sink.post(std::move(entry));
}

void HistoryRecorder::verification(const std::string &address, const std::string &run, const std::string &verdict,
                                   const std::string &detail)
{
    HistoryEntry entry = entryFor(address, EntryKind::Verification);
    entry.parameter = run;
    entry.result = verdict;
    entry.detail = detail;
    m_sink.post(std::move(entry));
}

void HistoryRecorder::calibration(const std::string &address, const std::string &what, const std::string &before,
                                  const std::string &after)
{
    HistoryEntry entry = entryFor(address, EntryKind::Calibration);
    entry.parameter = OT_TR("Ortavel", "table");
    entry.result = what;
    const auto parsedOrText = [](const std::string &text) {
        auto parsed = nlohmann::json::parse(text, nullptr, false);
        return parsed.is_discarded() ? nlohmann::json(text) : parsed;
    };
    entry.detail = nlohmann::json{{"before", parsedOrText(before)}, {"after", parsedOrText(after)}}.dump(
        -1, ' ', false, nlohmann::json::error_handler_t::replace);
    m_sink.post(std::move(entry));
}

void HistoryRecorder::interval(const Identity &identity, int months)
{
    HistoryEntry entry = entryFor("", EntryKind::Interval);
    entry.identity = identity;
    entry.parameter = OT_TR("Ortavel", "interval");
    entry.sent = std::to_string(months);
    entry.result = kConfirmed;
    m_sink.post(std::move(entry));
}

Identity HistoryRecorder::identityOf(const std::string &address) const
{
    const auto it = m_known.find(address);
    return it == m_known.end() ? Identity{} : it->second.identity;
}

std::string HistoryRecorder::valueOf(const std::string &address, const std::string &parameter) const
{
    const auto it = m_known.find(address);
    if (it == m_known.end())
        return std::string(kNotRead);
    const auto value = it->second.values.find(parameter);
    return value == it->second.values.end() ? std::string(kNotRead) : value->second;
}

} // namespace ortavel
