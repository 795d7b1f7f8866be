#pragma once

#include "Label.h"

namespace ortavel {

// A captioned group of controls; its state is that of a label.
class Frame : public Label {
public:
    using Label::Label;
};

} // namespace ortavel
