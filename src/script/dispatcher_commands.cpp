#include "script/dispatcher_commands.h"

#include <cstdio>

#include "core/text.h"
#include "core/zerin.h"
#include "script/command_list.h"
#include "script/vocabulary.h"
#include "platform/platform.h"
#include "script/dispatcher.h"
#include "script/run_state.h"

namespace zerin {

namespace {

std::string twoDigits(int n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", n);
    return buf;
}

// A help listing must not ask the user, start a program named "/??", stop the script or
// make a variable, so the lines of the commands that would end after the name.
bool actsOnAnyArgument(std::string_view name) {
    return vocabulary::hasFlag(vocabulary::commandNumber(name), kActsOnAnyArgument);
}

// help [command] -> "" : the named command's help block, or the one-line list
std::string help(Zerin& zerin, CommandCall& c) {
    std::string_view name = text::trimRight(text::trimLeftBlanksTabs(c.arg));
    if (!name.empty()) {
        bool acts = actsOnAnyArgument(text::lower(text::firstWord(name)));
        zerin.output.print(acts ? std::string() : zerin.dispatcher.chkCommand(std::string(name) + " /?", c.locals));
        return {};
    }
    for (std::string_view entry : kHelpList) {
        std::string padded = text::upper(entry);
        if (padded.size() < kHelpNameWidth) padded.append(kHelpNameWidth - padded.size(), ' ');
        std::string summary;
        if (!actsOnAnyArgument(entry)) summary = zerin.dispatcher.chkCommand(std::string(entry) + " /??", c.locals);
        zerin.output.print("# " + padded + summary);
    }
    return {};
}

}  // namespace

void registerDispatcherCommands(Zerin& zerin) {
    Dispatcher& d = zerin.dispatcher;
    d.registerHandler(Cmd::Help, [&zerin](CommandCall& c) { return help(zerin, c); });
    // do_time -> "HH:MM:SS" (the same on every system, so scripts can take it apart)
    d.registerHandler(Cmd::DoTime, [&zerin](CommandCall&) {
        LocalTime t = zerin.platform.clock.now();
        return twoDigits(t.hour) + ":" + twoDigits(t.minute) + ":" + twoDigits(t.second);
    });
    // do_date -> "YYYY-MM-DD"
    d.registerHandler(Cmd::DoDate, [&zerin](CommandCall&) {
        LocalTime t = zerin.platform.clock.now();
        return std::to_string(t.year) + "-" + twoDigits(t.month) + "-" + twoDigits(t.day);
    });
    // do_script_break -> "" : asks the running script to stop before its next line
    d.registerHandler(Cmd::DoScriptBreak, [&zerin](CommandCall&) {
        zerin.run.stopRequest = true;
        return std::string();
    });
    // do_events -> "" : lets pending user-interface events run once
    d.registerHandler(Cmd::DoEvents, [&zerin](CommandCall&) {
        zerin.platform.pump.processEvents();
        return std::string();
    });
    // do.allcommands -> the command table text
    d.registerHandler(Cmd::DoAllcommands, [](CommandCall&) { return vocabulary::commandTable(); });
}

}  // namespace zerin
