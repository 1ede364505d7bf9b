#pragma once

// Lets the window system handle the events that are waiting.
class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void processPending() = 0;
};

class QtEventPump final : public EventPump {
public:
    void processPending() override;
};
