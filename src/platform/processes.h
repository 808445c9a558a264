// Starting other programs. A command line is split by the quoting rules scripts use and
// the program is started directly, never through a shell.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zerin {

enum class WindowStyle { Normal, Hidden, MinimizedNoFocus };

class RunningProcess {
public:
    virtual ~RunningProcess() = default;
    // The exit status once the process has ended (128 + signal when killed), else nullopt.
    virtual bool finished(int& exitCode) = 0;
    // Ends the process and whatever it started (its session), without waiting.
    virtual void stop() {}
};

class Processes {
public:
    virtual ~Processes() = default;
    // Starts argv[0] with the arguments; nullptr when it cannot be started.
    virtual std::unique_ptr<RunningProcess> start(const std::vector<std::string>& argv, WindowStyle style) = 0;
};

}  // namespace zerin
