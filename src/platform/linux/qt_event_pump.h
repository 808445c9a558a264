// Waiting the way the UI thread must: let Qt run pending events, then sleep briefly.
#pragma once

#include "platform/event_pump.h"

namespace zerin::linux_platform {

class QtEventPump : public EventPump {
public:
    void processEvents() override;
    void sleepMs(int milliseconds) override;
};

// CLOCK_MONOTONIC in milliseconds, wrapped to a signed 32-bit count as scripts expect of
// a tick count; wall time from the local time zone.
class MonotonicClock : public Clock {
public:
    std::int64_t tickCount() override;
    LocalTime now() override;
};

}  // namespace zerin::linux_platform
