#include "StderrMessageBox.h"

#include <cstdio>

namespace ortavel {

void StderrMessageBox::show(const std::string &text, const std::string &title, bool exclamation)
{
    std::fprintf(stderr, "ortavel: %s%s: %s\n", exclamation ? "! " : "", title.c_str(), text.c_str());
}

} // namespace ortavel
