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

private:
    std::vector<std::vector<std::string>> m_rows;
};

} // namespace ortavel::cli
