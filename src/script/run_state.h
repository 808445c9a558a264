// The run-state values that every run shares, nested runs included. They are plain
// values on the one UI thread; waits pump events and re-read them.
#pragma once

#include <cstdint>
#include <string>

namespace zerin {

struct RunState {
    bool stopRequest = false;
    bool paused = false;
    bool waitingForInput = false;
    bool waitingForTextInput = false;
    std::string inputText;
    std::size_t inputLineStart = 0;
    bool slowMode = false;
    bool commandFound = false;
    // How many RunEditor calls are under way (nested runs count).
    int depth = 0;
};

}  // namespace zerin
