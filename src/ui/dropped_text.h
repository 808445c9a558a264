// What a drop on the path bar or a pane carries, as the logic reads drag texts.
#pragma once

#include <string>

class QDropEvent;

namespace zerin::ui {

// From inside the program: the drag text, which holds a folder name's bytes even when they
// are no UTF-8. From elsewhere: the dropped text, or else the first local folder dropped
// (with its trailing "/"). "" when the drop carries neither.
std::string droppedText(const QDropEvent* event, const std::string& dragText);

}  // namespace zerin::ui
