// One button of the path bar (cmdPaths): a group button or a path button. A click is
// reported; a drag with the left button hands the button's tag to the pane or editor it
// is dropped on, as the drag text "Paths:" + tag.
#pragma once

#include <QPushButton>
#include <string>

namespace zerin {
class Zerin;
}

namespace zerin::ui {

class PathButton : public QPushButton {
    Q_OBJECT
public:
    PathButton(Zerin& zerin, QWidget* parent = nullptr);

    const std::string& tag() const { return m_tag; }
    int group() const { return m_group; }
    // The button's look: a group button is underlined, in its open or closed colour.
    void setButton(const std::string& caption, const std::string& tag, int group, bool isGroup, bool open);

signals:
    void tagClicked(const QString& tag);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    Zerin& m_zerin;
    std::string m_tag;
    int m_group = 0;
    QPoint m_pressAt;
    bool m_pressed = false;
};

}  // namespace zerin::ui
