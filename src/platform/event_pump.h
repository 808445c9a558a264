// Lets pending user-interface events run. Waiting commands loop on this with short
// sleeps, which is how a script keeps the window alive on the one UI thread.
#pragma once

#include <cstdint>

namespace zerin {

class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void processEvents() = 0;
    virtual void sleepMs(int milliseconds) = 0;
};

// Milliseconds since system start (wraps like a signed 32-bit tick count) and wall time.
struct LocalTime {
    int year = 1970, month = 1, day = 1, hour = 0, minute = 0, second = 0;
    int dayOfYear = 1;  // 1-based
    int weekday = 0;    // 0 = Sunday
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t tickCount() = 0;
    virtual LocalTime now() = 0;
};

}  // namespace zerin
