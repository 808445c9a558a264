// The small general commands: the debug pane, slow mode, the input text, the title bar,
// timing, thread priority and hibernation. The waits, the program and script runs and the
// media commands have their own files.
#include "commands/general_commands.h"

#include <cstdint>

#include "commands/general_messages.h"
#include "core/colours.h"
#include "core/text.h"
#include "core/zerin.h"
#include "script/value.h"
#include "commands/general_state.h"
#include "panes/pane_model.h"
#include "platform/platform.h"
#include "script/dispatcher.h"
#include "script/run_state.h"

namespace zerin {

namespace {

std::int32_t tick32(Zerin& z) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(z.platform.clock.tickCount())); }

std::string_view priorityWord(int level) {
    for (const auto& p : general_text::kPriorityWords)
        if (p.level == level) return p.word;
    return {};
}

}  // namespace

void registerGeneralCommands(Zerin& z) {
    using namespace general_text;
    registerWaitCommands(z);
    registerRunCommands(z);
    registerMediaCommands(z);

    // clr -> "true" : empties the debug pane and the output window's text
    z.dispatcher.registerHandler(Cmd::Clr, [&z](CommandCall&) -> std::string {
        z.txtDebug.clear();
        if (TextBox* out = z.output.outputWindowText()) out->clear();
        return "true";
    });

    // do_slow -> "" : switches slow mode
    z.dispatcher.registerHandler(Cmd::DoSlow, [&z](CommandCall&) -> std::string {
        z.run.slowMode = !z.run.slowMode;
        return {};
    });

    // window.input ["reset"] -> the input text; "reset" then clears it
    z.dispatcher.registerHandler(Cmd::WindowInput, [&z](CommandCall& c) -> std::string {
        std::string result = z.run.inputText;
        if (text::lower(text::trim(c.arg)) == "reset") z.run.inputText.clear();
        return result;
    });

    // do.titlebar [/s|on|off] -> "on" or "" (the state) without a known word
    z.dispatcher.registerHandler(Cmd::DoTitlebar, [&z](CommandCall& c) -> std::string {
        std::string word = text::lower(text::trim(c.arg));
        bool shown = z.ui->titleBarShown();
        bool want;
        if (word == "/s")
            want = !shown;
        else if (word == "on")
            want = true;
        else if (word == "off")
            want = false;
        else
            return shown ? "on" : "";
        if (want != shown && !z.ui->showTitleBar(want)) z.output.print(kTitlebarError);
        return {};
    });

    // time.tickcount -> milliseconds since system start, Str format
    z.dispatcher.registerHandler(Cmd::TimeTickcount, [&z](CommandCall&) -> std::string {
        return strFormat(std::int64_t{tick32(z)});
    });

    // time.fps -> 1000 / milliseconds since the previous time.fps
    z.dispatcher.registerHandler(Cmd::TimeFps, [&z](CommandCall&) -> std::string {
        std::int32_t now = tick32(z);
        std::int64_t elapsed = std::int64_t{now} - z.general.fpsPreviousTick;
        if (elapsed == 0) {
            // A division by zero: the command fails as the dispatcher reports failures.
            z.output.debugMessage("");
            return {};
        }
        z.general.fpsPreviousTick = now;
        return formatNumber(1000.0 / static_cast<double>(elapsed));
    });

    // time.factor -> milliseconds since the previous time.factor / 40 (at least 1 ms)
    z.dispatcher.registerHandler(Cmd::TimeFactor, [&z](CommandCall&) -> std::string {
        std::int32_t now = tick32(z);
        std::int64_t elapsed = std::int64_t{now} - z.general.factorPreviousTick;
        if (elapsed == 0) elapsed = 1;
        z.general.factorPreviousTick = now;
        return formatNumber(25.0 / (1000.0 / static_cast<double>(elapsed)));
    });

    // thread.priority [word] -> the word of the priority in force before the call
    z.dispatcher.registerHandler(Cmd::ThreadPriority, [&z](CommandCall& c) -> std::string {
        std::string result(priorityWord(z.platform.system.threadPriority()));
        std::string word = text::upper(text::trim(c.arg));
        if (word.empty()) return result;
        for (const auto& p : kPriorityWords) {
            if (p.word != word) continue;
            if (!z.platform.system.setThreadPriority(p.level)) z.output.debugMessage(std::string(kPriorityRefused) + word);
            return result;
        }
        z.output.debugMessage(kPriorityUsage);
        return result;
    });

    // do_mouse_autofocus [0|1|/S] -> "1" or "0" : sets, clears or switches mouse auto-focus
    z.dispatcher.registerHandler(Cmd::DoMouseAutofocus, [&z](CommandCall& c) -> std::string {
        static const HelpText help{kAutofocusDescription, kAutofocusHelp, true};
        std::string answer;
        if (answerHelp(c.arg, help, answer)) return answer;
        bool& on = z.settings.mouseAutofocus;
        bool want = on;
        // Only these exact words change the state; anything else ("/s" too) reports it.
        if (c.arg == "1")
            want = true;
        else if (c.arg == "0")
            want = false;
        else if (c.arg == "/S")
            want = !on;
        if (want != on) {
            on = want;
            Colour modeColour = z.panes.colours.file(z.settings.mode);
            z.highlightColour = on ? brighten(modeColour, kHighlightPercent) : modeColour;
            z.ui->setModeButtonColour(kAutofocusCommand, z.highlightColour);
        }
        return on ? "1" : "0";
    });

    // hibernate -> "" : asks the system to hibernate
    z.dispatcher.registerHandler(Cmd::Hibernate, [&z](CommandCall&) -> std::string {
        std::string reason;
        if (!z.platform.system.hibernate(reason)) z.output.debugMessage(std::string(kHibernateRefused) + reason);
        return {};
    });
}

}  // namespace zerin
