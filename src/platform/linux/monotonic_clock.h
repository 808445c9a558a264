// The clock of the Linux build; needs no Qt, so a command-line run has it without one.
#pragma once

#include "platform/event_pump.h"

namespace zerin::linux_platform {

// CLOCK_MONOTONIC in milliseconds, wrapped to a signed 32-bit count as scripts expect of
// a tick count; wall time from the local time zone.
class MonotonicClock : public Clock {
public:
    std::int64_t tickCount() override;
    LocalTime now() override;
};

}  // namespace zerin::linux_platform
