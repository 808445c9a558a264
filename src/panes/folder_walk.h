// Runs a long file-system walk on a background thread while the UI thread keeps pumping
// events and shows the walk's progress in a pane's path box. The caller gets control back
// only when the walk is over, so scripts see their effects in the usual order.
#pragma once

#include <functional>
#include <string>

#include "platform/file_system.h"

namespace zerin {

class Zerin;

// How many threads a folder-size walk spreads over.
int walkThreads();

// Runs `work` off the UI thread. The stop request (Pause key, a script's stop) cancels the
// walk. Returns false when it was cancelled.
bool runWalk(Zerin& zerin, int pane, const std::string& label, const std::function<void(WalkControl&)>& work);

}  // namespace zerin
