#include "TextTable.h"

#include <algorithm>

namespace ortavel::cli {

namespace {
// Columns are aligned by characters, not bytes, so UTF-8 texts line up.
std::size_t displayWidth(const std::string &text)
{
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}
} // namespace

TextTable::TextTable(std::vector<std::string> header) : m_hasHeader(!header.empty())
{
    if (!header.empty())
        m_rows.push_back(std::move(header));
}

void TextTable::addRow(std::vector<std::string> row)
{
    m_rows.push_back(std::move(row));
}

std::string TextTable::text() const
{
    std::vector<std::size_t> widths;
    for (const auto &row : m_rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], displayWidth(row[i]));
    }
    std::string out;
    for (const auto &row : m_rows) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) {
            line += row[i];
            if (i + 1 < row.size())
                line.append(widths[i] - displayWidth(row[i]) + 2, ' ');
        }
        out += line + "\n";
    }
    return out;
}

} // namespace ortavel::cli
