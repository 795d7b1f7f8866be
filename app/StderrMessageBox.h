#pragma once

#include "controls/MessageBox.h"

namespace ortavel {

// Messages of a run without an operator (the screenshot) go to stderr
// instead of a box that nobody would close.
class StderrMessageBox final : public MessageBox {
public:
    void show(const std::string &text, const std::string &title, bool exclamation) override;
};

} // namespace ortavel
