// Waiting the way the UI thread must: let Qt run pending events, then sleep briefly.
#pragma once

#include "platform/event_pump.h"
#include "platform/linux/monotonic_clock.h"

namespace zerin::linux_platform {

class QtEventPump : public EventPump {
public:
    void processEvents() override;
    void sleepMs(int milliseconds) override;
};

}  // namespace zerin::linux_platform
