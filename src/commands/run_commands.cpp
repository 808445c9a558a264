// Running other programs, asking the user, and running stored scripts.
#include <string>

#include "core/command_words.h"
#include "commands/general_commands.h"
#include "commands/general_messages.h"
#include "core/text.h"
#include "core/zerin.h"
#include "commands/general_state.h"
#include "platform/platform.h"
#include "script/dispatcher.h"
#include "script/interpreter.h"
#include "script/script_store.h"

namespace zerin {

namespace {

constexpr int kRunWaitPollMs = 100;

std::unique_ptr<RunningProcess> startCommandLine(Zerin& z, std::string_view commandLine, WindowStyle style) {
    std::vector<std::string> argv = splitCommandWords(commandLine);
    if (argv.empty()) return nullptr;
    return z.platform.processes.start(argv, style);
}

void logToDebugPane(Zerin& z, std::string_view text) {
    if (z.settings.textLog) z.txtDebug.insertAfterSelection(text);
}

// `execute` "location\name" [parameters]: the name and the parameters.
void splitScriptName(std::string_view arg, std::string& name, std::string& parameters) {
    std::string_view a = text::trimLeft(arg);
    if (a.starts_with('"')) {
        std::size_t close = a.find('"', 1);
        std::string_view quoted = close == std::string_view::npos ? a : a.substr(0, close + 1);
        name = text::replaceAll(quoted, "\"", "");
        parameters = close == std::string_view::npos ? std::string() : std::string(text::trimLeft(a.substr(close + 1)));
    } else {
        name = std::string(a);
        parameters.clear();
    }
    name = text::lower(name);
}

}  // namespace

void registerRunCommands(Zerin& z) {
    using namespace general_text;

    // do_run "program" [arguments] -> "" ; do_run_s starts it hidden
    auto doRun = [&z](CommandCall& c) -> std::string {
        std::string line(c.arg);
        if (z.platform.dialogs.messageBox(line, kExecuteTitle, MsgButtons::OkCancel) != MsgResult::Ok) return {};
        WindowStyle style = c.number == 46 ? WindowStyle::Hidden : WindowStyle::Normal;
        if (startCommandLine(z, line, style)) {
            logToDebugPane(z, std::string(kRunLog) + line + "\r\n");
            return {};
        }
        logToDebugPane(z, std::string(kRunLogFailed) + line + "\r\n" + std::string(kRunLogErrorExecuting) + line + "\r\n");
        z.platform.dialogs.messageBox(kRunFailed, kProgramName, MsgButtons::Ok);
        return {};
    };
    z.dispatcher.registerHandler(Cmd::DoRun, doRun);
    z.dispatcher.registerHandler(Cmd::DoRunS, doRun);

    // do_runwait "program" [arguments] -> the exit code ; do_runwait_s starts it hidden
    auto doRunWait = [&z](CommandCall& c) -> std::string {
        if (text::trim(c.arg).empty()) return {};
        WindowStyle style = c.number == 48 ? WindowStyle::Hidden : WindowStyle::MinimizedNoFocus;
        std::unique_ptr<RunningProcess> process = startCommandLine(z, c.arg, style);
        if (!process) {
            // A program that cannot start is a failure of the command: the dispatcher's
            // empty debug line, and no exit code.
            z.output.debugMessage("");
            return {};
        }
        int exitCode = 0;
        bool done = false;
        do {
            done = process->finished(exitCode);
            z.platform.pump.processEvents();
            z.platform.pump.sleepMs(kRunWaitPollMs);
        } while (!done);
        std::string result = std::to_string(exitCode);
        z.output.debugMessage(std::string(kRunWaitExitcode) + result + "'");
        return result;
    };
    z.dispatcher.registerHandler(Cmd::DoRunwait, doRunWait);
    z.dispatcher.registerHandler(Cmd::DoRunwaitS, doRunWait);

    // do_query_okcancel question -> "0" for Cancel, "1" otherwise
    z.dispatcher.registerHandler(Cmd::DoQueryOkcancel, [&z](CommandCall& c) -> std::string {
        MsgResult r = z.platform.dialogs.messageBox(c.arg, kProgramName, MsgButtons::OkCancel);
        return r == MsgResult::Cancel ? "0" : "1";
    });

    // query question -> "1" for OK, "0" for Cancel
    z.dispatcher.registerHandler(Cmd::Query, [&z](CommandCall& c) -> std::string {
        MsgResult r = z.platform.dialogs.messageBox(c.arg, kProgramName, MsgButtons::OkCancel);
        return r == MsgResult::Ok ? "1" : "0";
    });

    // input prompt -> the answer, "" when the box is closed without Enter
    z.dispatcher.registerHandler(Cmd::Input, [&z](CommandCall& c) -> std::string {
        return z.platform.dialogs.inputBox(c.arg, z.settings.fontSize).value_or(std::string());
    });

    // execute "location\name" [parameters] -> the script's APP.RETURN value
    z.dispatcher.registerHandler(Cmd::Execute, [&z](CommandCall& c) -> std::string {
        std::string name, parameters;
        splitScriptName(c.arg, name, parameters);
        const StoredScript* script = z.scripts.findByLocationName(name);
        if (!script) {
            z.output.debugMessage(std::string(kScriptNotFound) + "\r\n" + name);
            return {};
        }
        // The interpreter reads its lines from the buffer while it runs, so an execute
        // inside an executed script must not refill txtExec under the outer run.
        TextBox nested;
        TextBox& buffer = z.general.executeDepth == 0 ? z.txtExec : nested;
        buffer.setText(script->text);
        struct Depth {
            int& d;
            explicit Depth(int& depth) : d(depth) { ++d; }
            ~Depth() { --d; }
        } depth(z.general.executeDepth);
        return z.interpreter.RunEditor("", &buffer, parameters);
    });

    // do_text_execute -> "" : runs the code editor's script as the editor does
    z.dispatcher.registerHandler(Cmd::DoTextExecute, [&z](CommandCall&) -> std::string {
        z.interpreter.RunEditor("", &z.txtCode, "");
        return {};
    });
}

}  // namespace zerin
