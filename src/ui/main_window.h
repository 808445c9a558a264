// frmMain: the program's only permanent window. It wires the regions together.
#pragma once

#include <QMainWindow>
#include <functional>

namespace zerin {
class Zerin;
}

namespace zerin::ui {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(Zerin& zerin, QWidget* parent = nullptr);

    // Asked on every close request; false keeps the window open.
    void setCloseHandler(std::function<bool()> handler) { m_closeHandler = std::move(handler); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Zerin& m_zerin;
    std::function<bool()> m_closeHandler;
};

}  // namespace zerin::ui
