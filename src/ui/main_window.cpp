#include "ui/main_window.h"

#include <QCloseEvent>

#include "core/zerin.h"

namespace zerin::ui {

MainWindow::MainWindow(Zerin& zerin, QWidget* parent) : QMainWindow(parent), m_zerin(zerin) {
    setWindowTitle(QStringLiteral("Zerin"));
    setMinimumSize(400, 200);
    resize(1280, 800);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_closeHandler && !m_closeHandler()) {
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace zerin::ui
