// frmBottom: the "Windows" button and the path buttons of the path groups along the
// bottom edge.
#pragma once

#include <QFrame>
#include <vector>

class QPushButton;

namespace zerin {
class Zerin;
}

namespace zerin::ui {

class BottomBar : public QFrame {
    Q_OBJECT
public:
    explicit BottomBar(Zerin& zerin, QWidget* parent = nullptr);

    // Rebuilds the path buttons: the "Paths" button, then the paths of group 0 and of
    // every open group.
    void rebuild();
    int preferredHeight() const;
    QPushButton* firstPathButton() const { return m_paths; }

private:
    void openPath(const std::string& target);

    Zerin& m_zerin;
    QPushButton* m_windows;
    QPushButton* m_paths;
    std::vector<QPushButton*> m_pathButtons;
};

}  // namespace zerin::ui
