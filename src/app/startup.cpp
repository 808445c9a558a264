#include "app/startup.h"

#include <exception>
#include <string>

#include "app/settings_file.h"
#include "app/program.h"
#include "panes/folder_size_database.h"
#include "panes/pane_refresh.h"
#include "script/vocabulary.h"

namespace zerin {

namespace {

// Start-up has no failure handling of its own in the steps it calls; a step that throws
// is reported with its name and the next step still runs.
class StepRunner {
public:
    explicit StepRunner(Zerin& zerin) : m_zerin(zerin) {}

    template <typename F>
    void operator()(std::string_view name, F&& step) {
        try {
            step();
        } catch (const std::exception&) {
            m_zerin.output.debugMessage(std::string(startup_messages::kStepFailed) + std::string(name));
        }
    }

    void hook(std::string_view name, const std::function<void()>& step) {
        if (step) (*this)(name, step);
    }

private:
    Zerin& m_zerin;
};

// Kept as `public` without "=" would: a value the on\load script gave stays.
void defaultPublic(Zerin& zerin, const std::string& name, std::string value) {
    if (zerin.publicVars.find(name)) return;
    zerin.publicVars.assign(name, std::move(value));
    if (!zerin.publicVars.indexed(name)) zerin.publicVars.indexAppend(name);
}

void callIfRegistered(Zerin& zerin, Cmd command, std::string_view arg) {
    if (!zerin.dispatcher.hasHandler(command)) return;
    Variables scratch;
    zerin.dispatcher.chkCommand(arg, scratch, commandNumber(command));
}

}  // namespace

bool runCommandLine(Zerin& zerin, const CommandLine& commandLine) {
    const StoredScript* script = zerin.scripts.findByLocationName(commandLine.identifier);
    if (!script) return false;
    zerin.txtBackCode.setText(script->text);
    zerin.interpreter.RunEditor("", &zerin.txtBackCode, commandLine.arguments);
    return true;
}

StartupOutcome runStartup(Zerin& zerin, const std::optional<CommandLine>& commandLine, const StartupSteps& steps) {
    StepRunner step(zerin);
    Settings& s = zerin.settings;

    s.mode = 1;
    step("vocabulary", [] { vocabulary::commandTable(); });
    if (!commandLine && steps.firstStart)
        step("starter settings", [&] { writeStarterSettingsIfMissing(zerin, *steps.firstStart); });
    step("SettingsLoad", [&] { SettingsLoad(zerin); });

    if (commandLine) return runCommandLine(zerin, *commandLine) ? StartupOutcome::ScriptRan : StartupOutcome::ScriptNotFound;

    step.hook("tooltips", steps.createTooltips);
    step.hook("window style", steps.rememberWindowStyle);
    step("list icons", [&] {
        defaultPublic(zerin, "list.icons", "1");
        defaultPublic(zerin, "list.icons.large", "0");
    });
    step.hook("help list", steps.fillHelpList);
    step.hook("logo", steps.setLogoAndIcon);

    // Whatever the file said: the text log is on, the slide interval is 5000 (the slide
    // timer keeps the file's interval) and powerdrop is off.
    s.textLog = true;
    s.slideInterval = 5000;
    s.powerdrop = false;
    step.hook("fixed values", steps.assignFixedTables);

    zerin.txtCode.clear();
    zerin.txtDebug.clear();

    if (s.vlcBackground && zerin.dispatcher.hasHandler(Cmd::DoVlcWallpaper)) {
        // do_vlc_wallpaper switches the background mode on again and applies it.
        s.vlcBackground = false;
        step("do_vlc_wallpaper", [&] { callIfRegistered(zerin, Cmd::DoVlcWallpaper, ""); });
    }
    if (s.mouseAutofocus) step("do_mouse_autofocus", [&] { callIfRegistered(zerin, Cmd::DoMouseAutofocus, ""); });

    step.hook("parent buttons", steps.sizeParentButtonFonts);
    step("drives", [&] { zerin.panes.drives.refresh(*zerin.fileSystem); });
    step.hook("right bar", steps.buildRightBar);
    step.hook("mixer", steps.openMixer);
    step.hook("columns", steps.setUpColumns);
    step.hook("font size", steps.applyFontSize);
    step.hook("show", steps.showWindow);
    step("events", [&] { zerin.platform.pump.processEvents(); });
    step("folder sizes", [&] { loadFolderSizeDatabase(zerin); });
    step.hook("icons", steps.setListIconMode);
    // The panes' paths are left_path and right_path from the settings file.
    step("do_list_update 0", [&] { listUpdate(zerin, 0); });
    step("do_list_update 1", [&] { listUpdate(zerin, 1); });
    step.hook("resize", steps.resize);
    step("events", [&] { zerin.platform.pump.processEvents(); });
    step.hook("tab stops", steps.setCodeEditorTabWidth);
    return StartupOutcome::WindowReady;
}

}  // namespace zerin
