#include "panes/folder_walk.h"

#include <chrono>
#include <future>
#include <thread>

#include "core/zerin.h"
#include "panes/pane_messages.h"
#include "panes/pane_model.h"
#include "platform/platform.h"
#include "script/run_state.h"

namespace zerin {

namespace {
// Events are pumped at least this often while a walk runs.
constexpr auto kPumpInterval = std::chrono::milliseconds(10);
// The path box shows fresh counts this often.
constexpr int kProgressEveryPumps = 10;
}  // namespace

int walkThreads() { return std::thread::hardware_concurrency() >= 2 ? 2 : 1; }

bool runWalk(Zerin& zerin, int pane, const std::string& label, const std::function<void(WalkControl&)>& work) {
    WalkControl control;
    std::packaged_task<void()> task([&] { work(control); });
    std::future<void> done = task.get_future();
    std::thread worker(std::move(task));

    PaneModel& panes = zerin.panes;
    const bool showProgress = PaneModel::validPane(pane);
    const std::string savedText = showProgress ? panes.controls(pane).pathText : std::string();
    for (int round = 0; done.wait_for(kPumpInterval) != std::future_status::ready; ++round) {
        if (zerin.run.stopRequest) control.cancel = true;
        if (showProgress && round % kProgressEveryPumps == 0) {
            panes.controls(pane).pathText = std::string(paneMessage::kMeasuring) + label + "  (" +
                                            std::to_string(control.folders.load()) + " folders, " +
                                            std::to_string(control.files.load()) + " files)";
            panes.notifyControls(pane);
        }
        zerin.platform.pump.processEvents();
    }
    worker.join();
    if (showProgress) {
        panes.controls(pane).pathText = savedText;
        panes.notifyControls(pane);
    }
    return !control.cancel.load();
}

}  // namespace zerin
