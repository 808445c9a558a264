// frmPopHelp: the help window of the code editor's help key. While it is shown the debug
// messages go to its label; any key and the loss of the focus close it.
#pragma once

#include <QFrame>
#include <string>
#include <string_view>

class QLabel;

namespace zerin {
class Zerin;
}

namespace zerin::ui {

class PopHelp : public QFrame {
    Q_OBJECT
public:
    explicit PopHelp(Zerin& zerin, QWidget* parent = nullptr);
    ~PopHelp() override;

    // Shows `text` near `at` (global pixels) in the font size setting.
    void showHelp(std::string_view text, QPoint at);
    QString helpText() const;
    bool helpShown() const { return m_shown; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void unload();

    Zerin& m_zerin;
    QLabel* m_label;
    bool m_shown = false;
};

}  // namespace zerin::ui
