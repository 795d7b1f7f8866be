#pragma once

#include "Label.h"

namespace ortavel {

// A push button: a caption and a click handler. A disabled button does not
// run its handler.
class Button : public Label {
public:
    using Label::Label;
};

} // namespace ortavel
