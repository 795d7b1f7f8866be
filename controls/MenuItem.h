#pragma once

#include "Label.h"

namespace ortavel {

// A menu entry; "&" in the caption marks the access key. An item with the
// caption "-" is a separator.
class MenuItem : public Label {
public:
    using Label::Label;
    bool isSeparator() const { return caption() == "-"; }
};

} // namespace ortavel
