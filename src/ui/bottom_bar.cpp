#include "ui/bottom_bar.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPushButton>

#include "app/program.h"
#include "modes/window_table.h"
#include "panes/path_bar.h"
#include "platform/linux/qt_strings.h"
#include "ui/dropped_text.h"
#include "ui/main_window_texts.h"
#include "ui/path_button.h"
#include "ui/ui_style.h"
#include "ui/window_switcher.h"

namespace zerin::ui {

namespace {
constexpr int kGap = 2;
constexpr int kCaptionMargin = 10;
constexpr int kButtonPadding = 8;
constexpr int kIconGap = 4;
}  // namespace

BottomBar::BottomBar(Zerin& zerin, QWidget* parent) : QFrame(parent), m_zerin(zerin) {
    setObjectName(QStringLiteral("frmBottom"));
    setAcceptDrops(true);
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
    connect(switcher, &WindowSwitcher::tableChanged, this, [this] {
        const int before = height();
        rebuild();
        if (heightFor(width()) != before) emit heightChanged();
    });
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

int BottomBar::rowHeight() const { return QFontMetrics(font()).height() + 8; }

int BottomBar::layoutRows(int width, std::vector<QRect>* places) const {
    const QFontMetrics fm(font());
    QFont underlined = font();
    underlined.setUnderline(true);
    const QFontMetrics groupFm(underlined);
    std::vector<int> widths;
    for (const QPushButton* b : {m_windows, m_paths})
        widths.push_back(fm.horizontalAdvance(b->text()) + kCaptionMargin + kButtonPadding);
    for (const PathBarButton& b : pathBarButtons(m_zerin.pathGroups))
        widths.push_back((b.isGroup ? groupFm : fm).horizontalAdvance(QString::fromStdString(b.caption)) +
                         kCaptionMargin + kButtonPadding);
    for (const QPushButton* b : windowButtons()) {
        int w = fm.horizontalAdvance(b->text()) + kCaptionMargin + kButtonPadding;
        if (!b->icon().isNull()) w += b->iconSize().width() + kIconGap;
        widths.push_back(w);
    }
    const int h = rowHeight();
    int x = kGap, row = 0;
    for (int w : widths) {
        // A button that does not fit starts a new row, unless it is the first of its row.
        if (x > kGap && x + w > width - kGap) {
            x = kGap;
            ++row;
        }
        if (places) places->emplace_back(x, kGap + row * (h + kGap), w, h);
        x += w + kGap;
    }
    return row + 1;
}

int BottomBar::heightFor(int width) const {
    const int rows = layoutRows(std::max(width, 1), nullptr);
    return rows * (rowHeight() + kGap) + kGap;
}

void BottomBar::fillWindowButtons() {
    // The window buttons follow the path buttons.
    m_windowButtonsUsed = 0;
    if (m_switcher && m_switcher->buttonsShown()) {
        for (const WindowEntry& entry : m_switcher->rebuildTable()) {
            QPushButton* b = windowButton(m_windowButtonsUsed++);
            b->setText(toQString(windowCaption(entry.title)));
            b->setProperty("tag", toQString(windowTag(entry)));
            b->setToolTip(toQString(entry.title));
            b->setIcon(m_switcher->icon(entry.handle));
        }
    }
    for (std::size_t i = m_windowButtonsUsed; i < m_windowButtons.size(); ++i) m_windowButtons[i]->hide();
}

void BottomBar::rebuild() {
    fillWindowButtons();
    std::vector<QRect> places;
    layoutRows(width(), &places);
    std::size_t next = 0;
    for (QPushButton* b : {m_windows, m_paths}) {
        b->setGeometry(places[next++]);
        b->show();
    }
    const std::vector<PathBarButton> buttons = pathBarButtons(m_zerin.pathGroups);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (i == m_buttons.size()) {
            auto* b = new PathButton(m_zerin, this);
            b->setObjectName(QStringLiteral("cmdPaths_%1").arg(i + 1));
            connect(b, &PathButton::tagClicked, this, &BottomBar::clicked);
            m_buttons.push_back(b);
        }
        const PathBarButton& shown = buttons[i];
        m_buttons[i]->setButton(shown.caption, shown.tag, shown.group, shown.isGroup, shown.open);
        m_buttons[i]->setGeometry(places[next++]);
    }
    m_used = buttons.size();
    for (std::size_t i = m_used; i < m_buttons.size(); ++i) m_buttons[i]->hide();
    for (QPushButton* b : windowButtons()) {
        b->setGeometry(places[next++]);
        b->show();
    }
}

std::vector<PathButton*> BottomBar::shownButtons() const {
    return {m_buttons.begin(), m_buttons.begin() + static_cast<std::ptrdiff_t>(m_used)};
}

void BottomBar::clicked(const QString& tag) {
    const std::string t = toUtf8(tag);
    if (!clickPathButton(m_zerin, t)) return;
    const int before = height();
    rebuild();
    if (heightFor(width()) != before) emit heightChanged();
    // The focus stays on the group button that was clicked, wherever it moved to.
    for (PathButton* b : shownButtons())
        if (b->tag() == t) b->setFocus(Qt::OtherFocusReason);
}

void BottomBar::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedText(event, m_zerin.dragText).empty()) event->acceptProposedAction();
}

void BottomBar::dragMoveEvent(QDragMoveEvent* event) { event->acceptProposedAction(); }

void BottomBar::dropEvent(QDropEvent* event) {
    const std::string text = droppedText(event, m_zerin.dragText);
    m_zerin.dragText.clear();
    // Dropped on a button: that button's group; elsewhere the group shown last.
    int group = currentPathGroup(m_zerin.pathGroups);
    if (auto* on = qobject_cast<PathButton*>(childAt(event->position().toPoint()))) group = on->group();
    if (!dropOnPathBar(m_zerin.pathGroups, group, text)) return;
    event->acceptProposedAction();
    const int before = height();
    rebuild();
    if (heightFor(width()) != before) emit heightChanged();
}

}  // namespace zerin::ui
