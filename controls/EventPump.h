#pragma once

namespace ortavel {

// Lets the window handle the events waiting for it, then returns.
class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void processEvents() = 0;
};

} // namespace ortavel
