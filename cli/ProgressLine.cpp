#include "ProgressLine.h"

#include "Console.h"

#include <cstdio>
#include <unistd.h>

namespace ortavel::cli {

// Several buses at once would rewrite one another's line.
ProgressLine::ProgressLine() : m_enabled(isatty(STDERR_FILENO) != 0 && !capturing()) {}

ProgressLine::~ProgressLine()
{
    clear();
}

void ProgressLine::show(const std::string &text)
{
    if (!m_enabled)
        return;
    std::fprintf(stderr, "\r%s\033[K", text.c_str());
    std::fflush(stderr);
    m_shown = true;
}

void ProgressLine::clear()
{
    if (!m_shown)
        return;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    m_shown = false;
}

} // namespace ortavel::cli
