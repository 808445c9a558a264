#include "ui/window_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>

#include "app/program.h"
#include "modes/command_runner.h"
#include "ui/bottom_bar.h"
#include "ui/main_window.h"
#include "ui/text_editor_view.h"
#include "ui/work_area.h"

namespace zerin::ui {

namespace {
constexpr int kFirstFunctionKey = 112, kLastFunctionKey = 135;  // F1 to F24
}  // namespace

WindowKeys::WindowKeys(MainWindow& window) : QObject(&window), m_window(window) {
    qApp->installEventFilter(this);
}

bool WindowKeys::handle(QWidget* focused, int key, int shift) {
    if (focused && focused == m_window.workArea()->textEditor()) {
        if (key == vk::kPad8) {
            m_window.bottomBar()->firstPathButton()->setFocus(Qt::OtherFocusReason);
            return true;
        }
        return key == vk::kPad2;
    }
    if (focused && focused->objectName().startsWith(QStringLiteral("txtPath"))) {
        // Typing stays in the field; a function key types nothing there, so a command's
        // "#KEY=" function key still works while the field has the focus.
        return key >= kFirstFunctionKey && key <= kLastFunctionKey && CommandRunner(m_window.zerin()).pressKey(key, shift);
    }
    if (key == vk::kI || key == vk::kN) return false;
    if (KeyTable::is(table.saveAndQuit, key, shift)) {
        m_window.saveAndQuit();
        return true;
    }
    QSlider* volume = m_window.volumeSlider();
    if (KeyTable::is(table.volumeUp, key, shift)) {
        volume->setValue(volume->value() + volume->singleStep());
        return true;
    }
    if (KeyTable::is(table.volumeDown, key, shift)) {
        volume->setValue(volume->value() - volume->singleStep());
        return true;
    }
    // A key a command of the current mode carries in its "#KEY=" line; the logic decides.
    return CommandRunner(m_window.zerin()).pressKey(key, shift);
}

bool WindowKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w || w->window() != &m_window) return false;
    // A key that the focused element ignores travels up to its parents; see it once.
    QWidget* focused = QApplication::focusWidget();
    if (focused ? w != focused : w != &m_window) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    return handle(focused, virtualKey(key), shiftState(key));
}

}  // namespace zerin::ui
