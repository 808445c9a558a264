#include "app/command_line_platform.h"

#include <dlfcn.h>

#include <chrono>
#include <cstdlib>
#include <ostream>
#include <thread>

#include "app/app_setup.h"
#include "core/text.h"
#include "app/program.h"

namespace zerin {

void* openGuiModule(const std::filesystem::path& executableFolder, std::string& error) {
    for (const char* folder : gui_module::kSearchFolders) {
        std::filesystem::path candidate = executableFolder / folder / gui_module::kFileName;
        std::error_code ec;
        if (!std::filesystem::exists(candidate, ec)) continue;
        // RTLD_GLOBAL: the module's Qt plugins look up Qt's own symbols through it.
        if (void* module = dlopen(candidate.c_str(), RTLD_NOW | RTLD_GLOBAL)) return module;
        const char* reason = dlerror();
        error = reason ? reason : candidate.string();
        return nullptr;
    }
    error = std::string(gui_module::kFileName) + " is neither beside " + executableFolder.string() +
            "/zerin nor in its ../lib/zerin";
    return nullptr;
}

bool chooseHeadless() {
    const std::string requested = text::lower(environmentValue("QT_QPA_PLATFORM"));
    if (!requested.empty()) return requested == "offscreen" || requested == "minimal";
    if (!environmentValue("WAYLAND_DISPLAY").empty()) return false;
    if (!environmentValue("DISPLAY").empty() && linux_platform::x11DisplayReachable()) return false;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    return true;
}

GuiLoader::GuiLoader(std::filesystem::path executableFolder, std::ostream& errors)
    : m_folder(std::move(executableFolder)), m_errors(errors) {}

const GuiServices& GuiLoader::services() {
    if (m_tried || !m_zerin) return m_services;
    m_tried = true;
    chooseHeadless();
    std::string error;
    m_module = openGuiModule(m_folder, error);
    auto attach = m_module ? reinterpret_cast<gui_module::AttachFn>(dlsym(m_module, gui_module::kAttach)) : nullptr;
    if (!attach) {
        if (error.empty()) error = gui_module::kAttach;
        m_errors << gui_messages::kCannotLoad << error << '\n';
        m_errors.flush();
        return m_services;
    }
    m_services = attach(*m_zerin);
    return m_services;
}

void GuiLoader::release() {
    if (!loaded()) return;
    using DetachFn = void (*)();
    if (auto detach = reinterpret_cast<DetachFn>(dlsym(m_module, "zerin_gui_detach"))) detach();
    m_services = {};
    // The module stays loaded: Qt registers exit handlers of its own.
}

void LazyEventPump::processEvents() {
    if (m_gui.loaded()) m_gui.services().pump->processEvents();
}

void LazyEventPump::sleepMs(int milliseconds) {
    if (m_gui.loaded()) {
        m_gui.services().pump->sleepMs(milliseconds);
        return;
    }
    if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

Dialogs& LazyDialogs::target() {
    if (m_gui.loaded()) return *m_gui.services().dialogs;
    if (chooseHeadless()) return m_headless;
    Dialogs* real = m_gui.services().dialogs;
    return real ? *real : m_headless;
}

MsgResult LazyDialogs::messageBox(std::string_view text, std::string_view title, MsgButtons buttons, MsgIcon icon) {
    return target().messageBox(text, title, buttons, icon);
}

std::optional<std::string> LazyDialogs::inputBox(std::string_view prompt, int fontSize) {
    return target().inputBox(prompt, fontSize);
}

ConflictAnswer LazyDialogs::askCopyConflict(std::string_view source, std::string_view target) {
    return this->target().askCopyConflict(source, target);
}

std::unique_ptr<ProgressWindow> LazyDialogs::openProgress(std::string_view title) {
    return target().openProgress(title);
}

// Without the module a text is measured as the average glyph of a 96 dpi sans font would
// make it, which keeps layouts sensible when nothing is drawn anyway.
int LazyTextMetrics::width(std::string_view text, int pointSize, FontFace face) {
    if (TextMetrics* real = m_gui.services().metrics) return real->width(text, pointSize, face);
    return static_cast<int>(text::charCount(text)) * pointSize * 96 / 72 * 6 / 10;
}

int LazyTextMetrics::height(std::string_view text, int pointSize, FontFace face) {
    if (TextMetrics* real = m_gui.services().metrics) return real->height(text, pointSize, face);
    return pointSize * 96 / 72 * 12 / 10;
}

std::unique_ptr<Canvas> LazyCanvasFactory::create(int width, int height, Colour background) {
    CanvasFactory* real = m_gui.services().canvases;
    return real ? real->create(width, height, background) : nullptr;
}

std::unique_ptr<Canvas> LazyCanvasFactory::load(const std::string& path) {
    CanvasFactory* real = m_gui.services().canvases;
    return real ? real->load(path) : nullptr;
}

void LazyOutputWindowHost::showWindow(std::string_view caption) {
    m_gui.services();
    OutputWindowHost& host = m_window.host();
    if (&host == this) return;  // no module: stays headless
    WindowRect kept = frame();
    if (m_moved) host.moveTo(kept.x, kept.y);
    if (m_resized) host.resizeFrame(kept.width, kept.height);
    host.buttonsChanged();
    host.showWindow(caption);
}

void LazyOutputWindowHost::moveTo(int x, int y) {
    m_moved = true;
    HeadlessOutputWindowHost::moveTo(x, y);
}

void LazyOutputWindowHost::resizeFrame(int width, int height) {
    m_resized = true;
    HeadlessOutputWindowHost::resizeFrame(width, height);
}

CommandLinePlatform::CommandLinePlatform(const std::filesystem::path& executableFolder, std::ostream& errors)
    : gui(executableFolder, errors), dialogs(gui, errors) {}

void CommandLinePlatform::bind(Zerin& zerin) {
    gui.bind(zerin);
    outputHost = std::make_unique<LazyOutputWindowHost>(gui, zerin.outputWindow);
    zerin.outputWindow.setHost(outputHost.get());
    zerin.outputWindow.setCanvasFactory(&canvases);
    zerin.outputWindow.setWindowList(&windows);
}

}  // namespace zerin
