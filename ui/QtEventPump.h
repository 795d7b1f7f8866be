#pragma once

#include "controls/EventPump.h"

namespace ortavel {

// Lets Qt handle the events waiting for the window thread.
class QtEventPump final : public EventPump {
public:
    void processEvents() override;
};

} // namespace ortavel
