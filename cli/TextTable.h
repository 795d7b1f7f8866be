#pragma once

#include <string>
#include <vector>

namespace ortavel::cli {

// Rows of cells written as aligned columns, two blanks apart.
class TextTable {
public:
    explicit TextTable(std::vector<std::string> header = {});
    void addRow(std::vector<std::string> row);
    std::string text() const;
    // The header first, when there is one.
    const std::vector<std::vector<std::string>> &rows() const { return m_rows; }
    bool hasHeader() const { return m_hasHeader; }

private:
    std::vector<std::vector<std::string>> m_rows;
    bool m_hasHeader = false;
};

} // namespace ortavel::cli
