// The small commands the dispatcher answers itself: help, the clock, event pumping,
// the stop request and the command table.
#pragma once

#include <cstddef>

namespace zerin {

class Zerin;

inline constexpr std::size_t kHelpNameWidth = 26;

void registerDispatcherCommands(Zerin& zerin);

}  // namespace zerin
