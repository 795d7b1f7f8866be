#include "Console.h"

#include "TextTable.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdarg>
#include <cstdio>
#include <mutex>
#include <optional>

namespace ortavel::cli {

namespace {

thread_local BusOutput *t_bus = nullptr;
std::mutex s_errMutex;

std::string formatted(const char *format, std::va_list args)
{
    std::va_list copy;
    va_copy(copy, args);
    // The analyzer loses va_copy's initialisation of a va_list that came in
    // as a parameter (an array type on this platform).
    const int size = std::vsnprintf(nullptr, 0, format, copy); // NOLINT(clang-analyzer-valist.Uninitialized)
    va_end(copy);
    if (size <= 0)
        return {};
    std::string text(static_cast<std::size_t>(size) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, args);
    text.resize(static_cast<std::size_t>(size));
    return text;
}

QByteArray documentBytes(const QJsonValue &value)
{
    QJsonDocument document;
    if (value.isArray())
        document.setArray(value.toArray());
    else
        document.setObject(value.toObject());
    return document.toJson(QJsonDocument::Indented);
}

void write(std::FILE *stream, std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream);
}

std::vector<std::string> led(const std::string &first, const std::vector<std::string> &row)
{
    std::vector<std::string> cells{first};
    cells.insert(cells.end(), row.begin(), row.end());
    return cells;
}

} // namespace

void out(std::string_view text)
{
    if (!t_bus) {
        write(stdout, text);
        return;
    }
    // Consecutive text makes one item, so a line written in pieces stays one line.
    if (!t_bus->items.empty())
        if (auto *last = std::get_if<std::string>(&t_bus->items.back())) {
            last->append(text);
            return;
        }
    t_bus->items.emplace_back(std::string(text));
}

void outf(const char *format, ...)
{
    std::va_list args;
    va_start(args, format);
    const std::string text = formatted(format, args);
    va_end(args);
    out(text);
}

void outTable(const TextTable &table)
{
    if (!t_bus) {
        write(stdout, table.text());
        return;
    }
    BusOutput::Table item;
    item.rows = table.rows();
    if (table.hasHeader() && !item.rows.empty()) {
        item.header = item.rows.front();
        item.rows.erase(item.rows.begin());
    }
    t_bus->items.emplace_back(std::move(item));
}

void outJson(const QJsonValue &value)
{
    if (t_bus)
        t_bus->items.emplace_back(value);
    else
        outJsonBytes(documentBytes(value));
}

void outJsonBytes(const QByteArray &bytes)
{
    if (!t_bus) {
        write(stdout, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        return;
    }
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    t_bus->items.emplace_back(document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object()));
}

void err(std::string_view text)
{
    std::lock_guard lock(s_errMutex);
    if (!t_bus) {
        write(stderr, text);
        return;
    }
    std::string led;
    for (const char c : text) {
        if (t_bus->errAtLineStart)
            led += t_bus->port + ": ";
        led += c;
        t_bus->errAtLineStart = c == '\n';
    }
    write(stderr, led);
}

void errf(const char *format, ...)
{
    std::va_list args;
    va_start(args, format);
    const std::string text = formatted(format, args);
    va_end(args);
    err(text);
}

bool capturing()
{
    return t_bus != nullptr;
}

BusCapture::BusCapture(BusOutput &output) : m_previous(t_bus)
{
    t_bus = &output;
}

BusCapture::~BusCapture()
{
    t_bus = m_previous;
}

std::string mergedOutput(const std::vector<BusOutput> &outputs)
{
    std::string text;
    std::optional<TextTable> table;
    std::vector<std::string> tableHeader;
    const auto closeTable = [&] {
        if (table)
            text += table->text();
        table.reset();
    };
    QJsonArray json;
    bool anyJson = false;
    for (const BusOutput &bus : outputs) {
        const QString port = QString::fromStdString(bus.port);
        for (const BusOutput::Item &item : bus.items) {
            if (const auto *rows = std::get_if<BusOutput::Table>(&item)) {
                if (!table || rows->header != tableHeader) {
                    closeTable();
                    table.emplace(rows->header.empty() ? std::vector<std::string>{} : led("port", rows->header));
                    tableHeader = rows->header;
                }
                for (const auto &row : rows->rows)
                    table->addRow(led(bus.port, row));
            } else if (const auto *value = std::get_if<QJsonValue>(&item)) {
                anyJson = true;
                const QJsonArray values = value->isArray() ? value->toArray() : QJsonArray{*value};
                for (const auto &one : values) {
                    QJsonObject object = one.isObject() ? one.toObject() : QJsonObject{{"value", one}};
                    object.insert("port", port);
                    json.append(object);
                }
            } else {
                closeTable();
                const auto &lines = std::get<std::string>(item);
                std::size_t start = 0;
                while (start < lines.size()) {
                    const std::size_t end = lines.find('\n', start);
                    const std::size_t stop = end == std::string::npos ? lines.size() : end;
                    text += bus.port + "  " + lines.substr(start, stop - start) + "\n";
                    start = stop + 1;
                }
            }
        }
    }
    closeTable();
    if (anyJson)
        text += documentBytes(json).toStdString();
    return text;
}

} // namespace ortavel::cli
