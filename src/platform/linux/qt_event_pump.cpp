#include "platform/linux/qt_event_pump.h"

#include <QCoreApplication>
#include <chrono>
#include <thread>

namespace zerin::linux_platform {

void QtEventPump::processEvents() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtEventPump::sleepMs(int milliseconds) {
    if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace zerin::linux_platform
