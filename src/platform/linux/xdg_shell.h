// The desktop's file associations through xdg-open, started as a program with the path
// as its one argument (never through a shell). The file is looked at first, so that a
// missing file, a missing folder and a file the user may not read get their own results;
// xdg-open's early exit codes tell "no application" apart from success.
#pragma once

#include <string>

#include "platform/event_pump.h"
#include "platform/processes.h"
#include "platform/shell.h"

namespace zerin::linux_platform {

class XdgShell : public Shell {
public:
    // `launcher` is the program started with the path; tests put a script in its place.
    XdgShell(Processes& processes, EventPump& pump, Clock& clock, std::string launcher = "xdg-open")
        : m_processes(processes), m_pump(pump), m_clock(clock), m_launcher(std::move(launcher)) {}

    int execute(const ShellRequest& request) override;

    // How long the launcher may take to report a failure before the request counts as
    // accepted (the events run meanwhile).
    int waitMs = 1500;

private:
    Processes& m_processes;
    EventPump& m_pump;
    Clock& m_clock;
    std::string m_launcher;
};

}  // namespace zerin::linux_platform
