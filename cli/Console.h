#pragma once

#include <QByteArray>
#include <QJsonValue>

#include <string>
#include <string_view>
#include <variant>
#include <vector>

// MinGW's libstdc++ uses the C99 printf, which knows %zu; plain "printf"
// there would check against Microsoft's.
#if defined(__MINGW32__)
#define ORTAVEL_PRINTF_LIKE(formatAt, firstAt) __attribute__((format(gnu_printf, formatAt, firstAt)))
#elif defined(__GNUC__)
#define ORTAVEL_PRINTF_LIKE(formatAt, firstAt) __attribute__((format(printf, formatAt, firstAt)))
#else
#define ORTAVEL_PRINTF_LIKE(formatAt, firstAt)
#endif

namespace ortavel::cli {

class TextTable;

// What one bus of several wrote for stdout, kept until every bus is done so
// that the output comes in port order whichever bus ends first.
struct BusOutput {
    struct Table {
        std::vector<std::string> header; // empty for a table without one
        std::vector<std::vector<std::string>> rows;
    };
    using Item = std::variant<Table, QJsonValue, std::string>;

    std::string port; // as the rows name it: "com3" or the device's path
    std::vector<Item> items;
    bool errAtLineStart = true;
};

// Where the subcommands' output goes: straight to stdout and stderr, or,
// while a BusCapture is in force on this thread, stdout into that bus's
// BusOutput and stderr out at once with every line led by the port's name,
// so that lines of several buses never run into each other.
void out(std::string_view text);
void outf(const char *format, ...) ORTAVEL_PRINTF_LIKE(1, 2);
void outTable(const TextTable &table);
void outJson(const QJsonValue &value);
// A JSON document as the bytes given; a bus of several keeps its value.
void outJsonBytes(const QByteArray &bytes);
void err(std::string_view text);
void errf(const char *format, ...) ORTAVEL_PRINTF_LIKE(1, 2);
// True while this thread writes for one bus of several.
bool capturing();

class BusCapture {
public:
    explicit BusCapture(BusOutput &output);
    ~BusCapture();
    BusCapture(const BusCapture &) = delete;
    BusCapture &operator=(const BusCapture &) = delete;

private:
    BusOutput *m_previous;
};

// The buses' output as one text, in the order given. JSON values make one
// array whose objects carry their "port"; a table gets a port column in
// front and goes on across buses while its header stays the same; any
// other line is led by its port.
std::string mergedOutput(const std::vector<BusOutput> &outputs);

} // namespace ortavel::cli
