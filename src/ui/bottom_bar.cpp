#include "ui/bottom_bar.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPushButton>

#include "app/program.h"
#include "modes/window_table.h"
#include "platform/linux/qt_strings.h"
#include "ui/main_window_texts.h"
#include "ui/ui_style.h"
#include "ui/window_switcher.h"

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
    m_windows->installEventFilter(this);
}

void BottomBar::setSwitcher(WindowSwitcher* switcher) {
    m_switcher = switcher;
    m_windows->disconnect();
    if (!switcher) return;
    if (!switcher->available()) {
        m_windows->setToolTip(toQString(texts::kNoWindowSwitching));
        return;
    }
    connect(m_windows, &QPushButton::clicked, switcher, &WindowSwitcher::toggleButtons);
    connect(switcher, &WindowSwitcher::tableChanged, this, &BottomBar::rebuild);
}

std::vector<QPushButton*> BottomBar::windowButtons() const {
    return {m_windowButtons.begin(), m_windowButtons.begin() + static_cast<std::ptrdiff_t>(m_windowButtonsUsed)};
}

QPushButton* BottomBar::windowButton(std::size_t index) {
    while (m_windowButtons.size() <= index) {
        auto* b = new QPushButton(this);
        b->setFocusPolicy(Qt::ClickFocus);
        b->setObjectName(QStringLiteral("cmdWindow_%1").arg(m_windowButtons.size() + 1));
        b->setIconSize(QSize(WindowSwitcher::kIconSize, WindowSwitcher::kIconSize));
        b->installEventFilter(this);
        connect(b, &QPushButton::clicked, this, [this, b] {
            if (m_switcher) m_switcher->switchTo(tagHandle(toUtf8(b->property("tag").toString())));
        });
        m_windowButtons.push_back(b);
    }
    return m_windowButtons[index];
}

// A right click acts on press: on "Windows" it undocks, on a window button it docks.
bool BottomBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress || !m_switcher) return false;
    if (static_cast<QMouseEvent*>(event)->button() != Qt::RightButton) return false;
    if (watched == m_windows) {
        m_switcher->undock();
        return true;
    }
    auto* b = qobject_cast<QPushButton*>(watched);
    if (!b || !b->property("tag").isValid()) return false;
    m_switcher->dock(tagHandle(toUtf8(b->property("tag").toString())));
    return true;
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
        if (!b->icon().isNull()) w += b->iconSize().width() + 4;
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

    // The window buttons follow the path buttons.
    m_windowButtonsUsed = 0;
    if (m_switcher && m_switcher->buttonsShown()) {
        for (const WindowEntry& entry : m_switcher->rebuildTable()) {
            QPushButton* b = windowButton(m_windowButtonsUsed++);
            b->setText(toQString(windowCaption(entry.title)));
            b->setProperty("tag", toQString(windowTag(entry)));
            b->setToolTip(toQString(entry.title));
            b->setIcon(m_switcher->icon(entry.handle));
            place(b);
        }
    }
    for (std::size_t i = m_windowButtonsUsed; i < m_windowButtons.size(); ++i) m_windowButtons[i]->hide();
}

}  // namespace zerin::ui
