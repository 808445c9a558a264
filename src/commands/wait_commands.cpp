// The commands that wait. None of them blocks the window: each loops on the event pump
// with short sleeps, so the user (and other runs) can act while a script waits.
#include <cstdint>
#include <limits>

#include "commands/general_commands.h"
#include "commands/general_messages.h"
#include "core/text.h"
#include "core/zerin.h"
#include "script/value.h"
#include "platform/platform.h"
#include "script/dispatcher.h"
#include "script/run_state.h"

namespace zerin {

namespace {

constexpr int kWaitPassMs = 48;
constexpr int kInputPollMs = 40;
constexpr int kPausePollMs = 100;

// Milliseconds from `from` to `to` on the 32-bit tick counter. Measured as a difference,
// a wait that spans the counter's wrap (every 49.7 days) still ends on time.
std::int64_t ticksBetween(std::int64_t from, std::int64_t to) {
    auto d = static_cast<std::int32_t>(static_cast<std::uint32_t>(to) - static_cast<std::uint32_t>(from));
    return d < 0 ? 0 : d;
}

// Loops until `done` says so, pumping events between sleeps of `ms`.
template <typename Done>
void pumpUntil(Zerin& z, int ms, Done done) {
    do {
        z.platform.pump.sleepMs(ms);
        z.platform.pump.processEvents();
    } while (!done());
}

}  // namespace

void registerWaitCommands(Zerin& z) {
    static const HelpText waitHelp{general_text::kWaitDescription, general_text::kWaitHelp};

    // do_wait [seconds] -> "" ; also `wait`
    auto doWait = [&z](CommandCall& c) -> std::string {
        std::string help;
        if (answerHelp(c.arg, waitHelp, help)) return help;
        double ms = roundHalfEven(val(c.arg) * 1000);
        std::int64_t last = z.platform.clock.tickCount();
        std::int64_t elapsed = 0;
        // The pass runs at least once, so an empty or zero argument waits one pass.
        do {
            z.platform.pump.processEvents();
            z.platform.pump.sleepMs(kWaitPassMs);
            std::int64_t now = z.platform.clock.tickCount();
            elapsed += ticksBetween(last, now);
            last = now;
        } while (static_cast<double>(elapsed) <= ms);
        return {};
    };
    z.dispatcher.registerHandler(Cmd::DoWait, doWait);
    z.dispatcher.registerHandler(Cmd::Wait, doWait);

    // do_pause -> "" : paused until a stop request arrives
    z.dispatcher.registerHandler(Cmd::DoPause, [&z](CommandCall&) -> std::string {
        z.run.paused = true;
        pumpUntil(z, kPausePollMs, [&z] { return z.run.stopRequest; });
        z.run.paused = false;
        return {};
    });

    // wait.input -> the input text (a button name, a typed line or "WINDOW.CLOSED")
    z.dispatcher.registerHandler(Cmd::WaitInput, [&z](CommandCall&) -> std::string {
        z.run.waitingForInput = true;
        z.run.inputText.clear();
        if (!z.output.outputWindowOpen()) {
            z.run.waitingForInput = false;
            return {};
        }
        pumpUntil(z, kInputPollMs, [&z] {
            if (z.run.stopRequest) z.run.waitingForInput = false;
            return !z.run.waitingForInput;
        });
        return z.run.inputText;
    });

    // wait.input.text [prompt] -> the line typed into the output window
    z.dispatcher.registerHandler(Cmd::WaitInputText, [&z](CommandCall& c) -> std::string {
        z.run.waitingForTextInput = true;
        z.run.inputText.clear();
        TextBox* out = z.output.outputWindowText();
        if (!c.arg.empty()) (out ? *out : z.txtDebug).append(c.arg);
        if (!out) {
            z.output.print(general_text::kWaitInputTextNeedsWindow);
            z.run.waitingForTextInput = false;
            return {};
        }
        z.run.inputLineStart = out->length();
        z.ui->focusOutputText();
        pumpUntil(z, kInputPollMs, [&z] {
            if (z.run.stopRequest) z.run.waitingForTextInput = false;
            return !z.run.waitingForTextInput;
        });
        return z.run.inputText;
    });
}

}  // namespace zerin
