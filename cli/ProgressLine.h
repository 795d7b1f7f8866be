#pragma once

#include <string>

namespace ortavel::cli {

// One line of progress on stderr, rewritten in place; silent unless stderr
// is a terminal, so logs and pipes stay clean.
class ProgressLine {
public:
    ProgressLine();
    ~ProgressLine();
    ProgressLine(const ProgressLine &) = delete;
    ProgressLine &operator=(const ProgressLine &) = delete;

    void show(const std::string &text);
    void clear();

private:
    bool m_enabled;
    bool m_shown = false;
};

} // namespace ortavel::cli
