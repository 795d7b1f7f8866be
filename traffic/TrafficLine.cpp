#include "TrafficLine.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <ostream>
#include <vector>

namespace ortavel {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";
constexpr std::array kResults = {ExchangeResult::Good, ExchangeResult::NoReply, ExchangeResult::BadReply,
                                 ExchangeResult::LateReply};

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

template <typename T> bool readInt(std::string_view text, T &value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

std::string escaped(std::string_view bytes, bool forCsv)
{
    std::string out;
    out.reserve(bytes.size() + 4);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\\') {
            out += "\\\\";
        } else if (byte < 0x20 || byte == 0x7F || (forCsv && (byte > 0x7F || c == ',' || c == '"'))) {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

std::string escapeBytes(std::string_view bytes)
{
    return escaped(bytes, true);
}

std::string escapeControls(std::string_view bytes)
{
    return escaped(bytes, false);
}

std::optional<std::string> unescapeBytes(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size())
            return std::nullopt;
        switch (text[i]) {
        case 'r':
            out += '\r';
            break;
        case 'n':
            out += '\n';
            break;
        case '\\':
            out += '\\';
            break;
        case 'x': {
            if (i + 2 >= text.size())
                return std::nullopt;
            const int high = hexValue(text[i + 1]);
            const int low = hexValue(text[i + 2]);
            if (high < 0 || low < 0)
                return std::nullopt;
            out += static_cast<char>(high * 16 + low);
            i += 2;
            break;
        }
        default:
            return std::nullopt;
        }
    }
    return out;
}

std::string trafficLine(const ExchangeRecord &record)
{
    std::string line = std::to_string(record.timeMs);
    line += ',';
    line += std::to_string(record.baud);
    line += ',';
    line += escapeBytes(record.address);
    line += ',';
    line += escapeBytes(record.request);
    line += ',';
    line += escapeBytes(record.reply);
    line += ',';
    line += resultName(record.result);
    line += ',';
    line += std::to_string(record.durationMs);
    return line;
}

std::optional<ExchangeRecord> parseTrafficLine(std::string_view line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    if (fields.size() != 7)
        return std::nullopt;
    ExchangeRecord record;
    auto address = unescapeBytes(fields[2]);
    auto request = unescapeBytes(fields[3]);
    auto reply = unescapeBytes(fields[4]);
    if (!readInt(fields[0], record.timeMs) || !readInt(fields[1], record.baud) || !address || !request || !reply ||
        !readInt(fields[6], record.durationMs))
        return std::nullopt;
    const auto named = std::find_if(kResults.begin(), kResults.end(),
                                    [&](ExchangeResult result) { return fields[5] == resultName(result); });
    if (named == kResults.end())
        return std::nullopt;
    record.result = *named;
    record.address = std::move(*address);
    record.request = std::move(*request);
    record.reply = std::move(*reply);
    return record;
}

void writeTrafficCsv(std::ostream &out, const TrafficRecorder &recorder, std::string_view address)
{
    out << kTrafficHeader << '\n';
    for (std::uint64_t s = recorder.firstSequence(); s < recorder.endSequence(); ++s) {
        const ExchangeRecord &record = recorder.at(s);
        if (address.empty() || record.address == address)
            out << trafficLine(record) << '\n';
    }
}

} // namespace ortavel
