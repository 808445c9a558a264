// The window-level keys: the main window sees every key before the focused element.
// The text editor and the path fields keep their keys; the key table's shortcuts save and
// quit and move the volume slider.
#pragma once

#include <QObject>
#include <functional>

#include "ui/key_table.h"

namespace zerin::ui {

class MainWindow;

class WindowKeys : public QObject {
    Q_OBJECT
public:
    explicit WindowKeys(MainWindow& window);

    KeyTable table;
    // True when the key was swallowed.
    bool handle(QWidget* focused, int key, int shift);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MainWindow& m_window;
};

}  // namespace zerin::ui
