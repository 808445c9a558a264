#include "platform/linux/monotonic_clock.h"

#include <ctime>

namespace zerin::linux_platform {

std::int64_t MonotonicClock::tickCount() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    auto ms = static_cast<std::uint64_t>(ts.tv_sec) * 1000u + static_cast<std::uint64_t>(ts.tv_nsec / 1000000);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(ms));
}

LocalTime MonotonicClock::now() {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    LocalTime lt;
    lt.year = tm.tm_year + 1900;
    lt.month = tm.tm_mon + 1;
    lt.day = tm.tm_mday;
    lt.hour = tm.tm_hour;
    lt.minute = tm.tm_min;
    lt.second = tm.tm_sec;
    lt.dayOfYear = tm.tm_yday + 1;
    lt.weekday = tm.tm_wday;
    return lt;
}

}  // namespace zerin::linux_platform
