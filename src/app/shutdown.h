// The close request of the main window: one question, however the close was asked for.
#pragma once

#include <functional>
#include <string_view>

namespace zerin {

class Zerin;

namespace shutdown_messages {
inline constexpr std::string_view kExitQuestion = "Exiting Zerin\r\n\r\nSave settings and database?";
}

struct ShutdownSteps {
    // Unloads the pop-up menu window and the script menu window when they are loaded.
    std::function<void()> unloadMenus;
};

// Asks "Save settings and database?". Yes saves the public variables into the on\load
// script, writes Zerin.ini and the folder-size database; No saves nothing; both return
// true (close). Cancel returns false and changes nothing.
bool closeRequested(Zerin& zerin, std::string_view windowTitle, const ShutdownSteps& steps);

}  // namespace zerin
