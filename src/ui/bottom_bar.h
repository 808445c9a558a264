// frmBottom: the "Windows" button, the path buttons of the path groups and, when they are
// switched on, one button for every other program's window, along the bottom edge.
#pragma once

#include <QFrame>
#include <vector>

class QPushButton;

namespace zerin {
class Zerin;
}

namespace zerin::ui {

class WindowSwitcher;

class BottomBar : public QFrame {
    Q_OBJECT
public:
    explicit BottomBar(Zerin& zerin, QWidget* parent = nullptr);
    // The window buttons' table and actions; without it "Windows" does nothing.
    void setSwitcher(WindowSwitcher* switcher);

    // Rebuilds the path buttons: the "Paths" button, then the paths of group 0 and of
    // every open group.
    void rebuild();
    int preferredHeight() const;
    QPushButton* firstPathButton() const { return m_paths; }
    QPushButton* windowsButton() const { return m_windows; }
    // The window buttons shown now (cmdWindow 1 and up).
    std::vector<QPushButton*> windowButtons() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openPath(const std::string& target);
    QPushButton* windowButton(std::size_t index);

    Zerin& m_zerin;
    QPushButton* m_windows;
    QPushButton* m_paths;
    std::vector<QPushButton*> m_pathButtons;
    std::vector<QPushButton*> m_windowButtons;
    std::size_t m_windowButtonsUsed = 0;
    WindowSwitcher* m_switcher = nullptr;
};

}  // namespace zerin::ui
