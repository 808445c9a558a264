#include "ui/bottom_bar.h"

#include <QFontMetrics>
#include <QPushButton>

#include "app/program.h"
#include "ui/ui_style.h"

namespace zerin::ui {

namespace {
constexpr int kGap = 2;
constexpr int kCaptionMargin = 10;
}  // namespace

BottomBar::BottomBar(Zerin& zerin, QWidget* parent) : QFrame(parent), m_zerin(zerin) {
    setObjectName(QStringLiteral("frmBottom"));
    setStyleSheet(QStringLiteral("#frmBottom { background: %1; }"
                                 "#frmBottom QPushButton { background: #343a43; color: #e6e6e6; border: 1px solid #4a515c;"
                                 " border-radius: 3px; padding: 0 6px; }"
                                 "#frmBottom QPushButton:hover { background: #3f4650; }"
                                 "#frmBottom QPushButton#cmdWindow_0, #frmBottom QPushButton#cmdPaths_0 {"
                                 " background: #2a2f36; color: #a8b0bc; }")
                      .arg(kPanelColour));
    m_windows = new QPushButton(QStringLiteral("Windows"), this);
    m_windows->setObjectName(QStringLiteral("cmdWindow_0"));
    m_paths = new QPushButton(QStringLiteral("Paths"), this);
    m_paths->setObjectName(QStringLiteral("cmdPaths_0"));
    for (QPushButton* b : {m_windows, m_paths}) b->setFocusPolicy(Qt::ClickFocus);
}

int BottomBar::preferredHeight() const { return QFontMetrics(font()).height() + 12; }

void BottomBar::openPath(const std::string& target) {
    int source = m_zerin.panes.sourcePane();
    m_zerin.panes.setPath(source, target);
    m_zerin.dispatcher.call("do_list_update " + std::to_string(source));
}

void BottomBar::rebuild() {
    QFontMetrics fm(font());
    const int h = height() - 2 * kGap;
    int x = kGap;
    auto place = [&](QPushButton* b) {
        int w = fm.horizontalAdvance(b->text()) + kCaptionMargin + 8;
        b->setGeometry(x, kGap, w, h);
        b->show();
        x += w + kGap;
    };
    place(m_windows);
    place(m_paths);
    std::size_t used = 0;
    for (int g = 0; g <= m_zerin.pathGroups.count(); ++g) {
        const PathGroup& group = m_zerin.pathGroups.group(g);
        if (g > 0 && !group.open) continue;
        for (const PathEntry& p : group.paths) {
            if (used == m_pathButtons.size()) {
                auto* b = new QPushButton(this);
                b->setFocusPolicy(Qt::ClickFocus);
                b->setObjectName(QStringLiteral("cmdPaths_%1").arg(used + 1));
                m_pathButtons.push_back(b);
            }
            QPushButton* b = m_pathButtons[used++];
            b->setText(QString::fromStdString(p.caption));
            b->disconnect();
            std::string target = p.target;
            connect(b, &QPushButton::clicked, this, [this, target] { openPath(target); });
            place(b);
        }
    }
    for (std::size_t i = used; i < m_pathButtons.size(); ++i) m_pathButtons[i]->hide();
}

}  // namespace zerin::ui
