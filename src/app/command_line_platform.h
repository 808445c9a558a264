// The platform of a command-line run. Everything that needs no Qt is real from the start;
// the event pump, the dialogs, text measuring, the drawing surfaces and the output window
// stand in for their Qt versions and load the window module the first time a script
// really needs one of them. Without a display the dialogs answer at once, without Qt.
#pragma once

#include <filesystem>
#include <iosfwd>

#include "app/gui_module.h"
#include "platform/linux/alsa_sound.h"
#include "platform/linux/headless_dialogs.h"
#include "platform/linux/linux_system_services.h"
#include "platform/linux/monotonic_clock.h"
#include "platform/linux/posix_processes.h"
#include "platform/linux/x11_key_state.h"
#include "platform/linux/x11_window_list.h"
#include "platform/platform.h"

namespace zerin {

namespace gui_messages {
inline constexpr std::string_view kCannotLoad = "zerin: cannot load the window module: ";
}

// Opens the window module beside the executable (or in ../lib/zerin); nullptr and the
// reason in `error` when it cannot.
void* openGuiModule(const std::filesystem::path& executableFolder, std::string& error);

// True when no window could be shown: Qt's offscreen or minimal platform is asked for, or
// neither a Wayland nor a reachable X display is there. In the last case Qt is told to
// run offscreen, so that a script that draws still can.
bool chooseHeadless();

class GuiLoader {
public:
    GuiLoader(std::filesystem::path executableFolder, std::ostream& errors);
    void bind(Zerin& zerin) { m_zerin = &zerin; }
    bool loaded() const { return m_services.pump != nullptr; }
    // Loads the module at the first call. When it cannot be loaded, says so once and
    // answers with null services; callers then behave as without a display.
    const GuiServices& services();
    // Takes the output window and the Qt application away while Zerin still exists.
    void release();

private:
    std::filesystem::path m_folder;
    std::ostream& m_errors;
    Zerin* m_zerin = nullptr;
    void* m_module = nullptr;
    bool m_tried = false;
    GuiServices m_services;
};

class LazyEventPump : public EventPump {
public:
    explicit LazyEventPump(GuiLoader& gui) : m_gui(gui) {}
    void processEvents() override;
    void sleepMs(int milliseconds) override;

private:
    GuiLoader& m_gui;
};

class LazyDialogs : public Dialogs {
public:
    LazyDialogs(GuiLoader& gui, std::ostream& errors) : m_gui(gui), m_headless(errors) {}
    MsgResult messageBox(std::string_view text, std::string_view title, MsgButtons buttons, MsgIcon icon) override;
    std::optional<std::string> inputBox(std::string_view prompt, int fontSize) override;
    ConflictAnswer askCopyConflict(std::string_view source, std::string_view target) override;
    std::unique_ptr<ProgressWindow> openProgress(std::string_view title) override;

private:
    Dialogs& target();
    GuiLoader& m_gui;
    linux_platform::HeadlessDialogs m_headless;
};

class LazyTextMetrics : public TextMetrics {
public:
    explicit LazyTextMetrics(GuiLoader& gui) : m_gui(gui) {}
    int width(std::string_view text, int pointSize, FontFace face) override;
    int height(std::string_view text, int pointSize, FontFace face) override;

private:
    GuiLoader& m_gui;
};

class LazyCanvasFactory : public CanvasFactory {
public:
    explicit LazyCanvasFactory(GuiLoader& gui) : m_gui(gui) {}
    std::unique_ptr<Canvas> create(int width, int height, Colour background) override;
    std::unique_ptr<Canvas> load(const std::string& path) override;

private:
    GuiLoader& m_gui;
};

// Keeps the output window's geometry until it is first shown; then hands over to the
// real window, with whatever place and size the script gave it meanwhile.
class LazyOutputWindowHost : public HeadlessOutputWindowHost {
public:
    LazyOutputWindowHost(GuiLoader& gui, OutputWindow& window) : m_gui(gui), m_window(window) {}
    void showWindow(std::string_view caption) override;
    void moveTo(int x, int y) override;
    void resizeFrame(int width, int height) override;

private:
    GuiLoader& m_gui;
    OutputWindow& m_window;
    bool m_moved = false;
    bool m_resized = false;
};

struct CommandLinePlatform {
    CommandLinePlatform(const std::filesystem::path& executableFolder, std::ostream& errors);
    // Points the output window at the stand-ins; call once Zerin exists.
    void bind(Zerin& zerin);

    GuiLoader gui;
    LazyEventPump pump{gui};
    linux_platform::MonotonicClock clock;
    linux_platform::X11KeyState keys;
    LazyDialogs dialogs;
    linux_platform::PosixProcesses processes;
    linux_platform::AlsaSound sound;
    linux_platform::LinuxSystemServices system;
    LazyTextMetrics metrics{gui};
    LazyCanvasFactory canvases{gui};
    platform::X11WindowList windows;
    std::unique_ptr<LazyOutputWindowHost> outputHost;
    Platform platform{pump, clock, keys, dialogs, processes, sound, system, metrics};
};

}  // namespace zerin
