#include "ui/pane_view.h"
#include "ui/ui_style.h"

#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <QUrl>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "app/program.h"
#include "panes/pane_actions.h"
#include "panes/pane_colours.h"
#include "panes/pane_commands.h"
#include "panes/pane_roles.h"
#include "panes/path_bar.h"
#include "panes/selection_size.h"
#include "platform/linux/mime_file_icons.h"
#include "ui/key_table.h"
#include "ui/pane_item_model.h"
#include "ui/dropped_text.h"
#include "ui/right_drag_selector.h"
#include "platform/linux/qt_strings.h"

namespace zerin::ui {

namespace {

constexpr int kSmallIcon = 16;
constexpr int kLargeIcon = 32;
// Three flashes of the path box: six changes of its colours.
constexpr int kBlinkTicks = 6;
constexpr int kFastestBlink = 50;

// The MIME icons replace the extension-based choice once a Qt front-end exists.
void useMimeIcons(Zerin& zerin) {
    static linux_platform::MimeFileIcons icons;
    if (zerin.fileIcons == &zerin.defaultFileIcons) zerin.fileIcons = &icons;
}

void paint(QWidget* widget, Colour back, Colour fore) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, toQColor(back));
    palette.setColor(QPalette::Button, toQColor(back));
    palette.setColor(QPalette::Text, toQColor(fore));
    palette.setColor(QPalette::ButtonText, toQColor(fore));
    widget->setPalette(palette);
}

}  // namespace

PaneView::PaneView(Zerin& zerin, int pane, QWidget* parent)
    : QWidget(parent), m_zerin(zerin), m_pane(pane) {
    useMimeIcons(zerin);
    setObjectName(QStringLiteral("pane%1").arg(pane));

    m_cmdParent = new QPushButton(QStringLiteral(".."), this);
    m_cmdParent->setObjectName(QStringLiteral("cmdParent"));
    m_cmdParent->setFocusPolicy(Qt::NoFocus);
    m_cmdParent->setFixedWidth(32);
    m_cmdParent->setAutoFillBackground(true);
    m_txtPath = new QLineEdit(this);
    m_txtPath->setObjectName(QStringLiteral("txtPath"));

    m_model = new PaneItemModel(zerin, pane, this);
    m_lvwList = new QTreeView(this);
    m_lvwList->setObjectName(QStringLiteral("lvwList"));
    m_lvwList->setModel(m_model);
    m_lvwList->setRootIsDecorated(false);
    m_lvwList->setUniformRowHeights(true);
    m_lvwList->setAllColumnsShowFocus(true);
    m_lvwList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_lvwList->setSelectionBehavior(QAbstractItemView::SelectRows);
    // F2 or a slow second click edits the name; the model renames the item.
    m_lvwList->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    // Items are dragged out as file URLs; files dropped onto the list join the file cue.
    m_lvwList->setDragEnabled(true);
    m_lvwList->setDragDropMode(QAbstractItemView::DragOnly);
    m_lvwList->viewport()->setAcceptDrops(true);
    m_lvwList->header()->setStretchLastSection(false);
    m_lvwList->header()->setSectionsClickable(true);
    m_lvwList->header()->setSortIndicatorShown(false);
    QFont font = m_lvwList->font();
    font.setPointSize(PaneModel::kFontPoints);
    m_lvwList->setFont(font);
    QPalette palette = m_lvwList->palette();
    palette.setColor(QPalette::Base, toQColor(paneColour::kWindowBack));
    palette.setColor(QPalette::Window, toQColor(paneColour::kWindowBack));
    palette.setColor(QPalette::Highlight, QColor(0x30, 0x40, 0x60));
    m_lvwList->setPalette(palette);
    // Items are dragged out (a folder as its path, files as file addresses); what is
    // dropped in is a drag text, handled by whoever connects textDropped.
    m_lvwList->setDragEnabled(true);
    m_lvwList->setAcceptDrops(true);
    m_lvwList->installEventFilter(this);
    m_lvwList->viewport()->installEventFilter(this);
    m_cmdParent->installEventFilter(this);
    m_txtPath->installEventFilter(this);
    m_rightDrag = new RightDragSelector(zerin, pane, m_lvwList);
    m_tmrBlink = new QTimer(this);
    m_tmrBlink->setObjectName(QStringLiteral("tmrBlink"));

    auto* top = new QHBoxLayout;
    top->setContentsMargins(0, 0, 0, 0);
    top->setSpacing(2);
    top->addWidget(m_cmdParent);
    top->addWidget(m_txtPath);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(top);
    layout->addWidget(m_lvwList);

    connect(m_cmdParent, &QPushButton::clicked, this, [this] { emit parentClicked(m_pane); });
    connect(m_txtPath, &QLineEdit::returnPressed, this, [this] { emit pathEntered(m_pane, m_txtPath->text()); });
    connect(m_lvwList, &QTreeView::activated, this, [this](const QModelIndex& index) {
        emit itemActivated(m_pane, index.row());
    });
    connect(m_lvwList->header(), &QHeaderView::sectionClicked, this,
            [this](int section) { sortByColumn(m_zerin, m_pane, section); });
    connect(m_model, &PaneItemModel::itemsReset, this, [this] {
        showControls();
        applySelection();
    });
    // Sizes measured later make the Size column wider.
    connect(m_model, &QAbstractItemModel::dataChanged, this, [this] { fitColumns(); });
    connect(m_lvwList->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { takeSelection(); });
    connect(m_rightDrag, &RightDragSelector::painted, this, [this] { emit selectionChanged(m_pane); });
    connect(m_rightDrag, &RightDragSelector::clicked, this, [this](const QPoint& global) {
        emit selectionChanged(m_pane);
        openMenu(global);
    });
    connect(m_tmrBlink, &QTimer::timeout, this, &PaneView::blinkTick);

    m_controlsObserver = zerin.panes.addControlsObserver([this](int changed) {
        if (changed == m_pane) showControls();
    });
    showControls();
}

PaneView::~PaneView() { m_zerin.panes.removeControlsObserver(m_controlsObserver); }

void PaneView::showControls() {
    const PaneControls& c = m_zerin.panes.controls(m_pane);
    const QString text = QString::fromStdString(c.pathText.empty() ? m_zerin.panes.path(m_pane) : c.pathText);
    if (m_txtPath->text() != text) m_txtPath->setText(text);
    const bool source = m_zerin.panes.sourcePane() == m_pane;
    Colour back = c.pathBack, fore = c.pathFore;
    if (back == 0 && fore == 0) {
        back = source ? paneColour::kPathActiveBack : paneColour::kPathInactiveBack;
        fore = source ? paneColour::kPathActiveFore : paneColour::kPathInactiveFore;
    }
    paint(m_txtPath, back, fore);
    paint(m_cmdParent, back, fore);
    m_cmdParent->setEnabled(c.parentEnabled);
    m_lvwList->setHeaderHidden(!c.headersVisible);
    const int iconSize = c.largeIcons ? kLargeIcon : kSmallIcon;
    if (m_lvwList->iconSize().height() != iconSize) m_lvwList->setIconSize(QSize(iconSize, iconSize));
    m_model->refreshHeaders();
    fitColumns();
}

void PaneView::fitColumns() {
    // The Name column takes whatever the other columns leave, so that no column is pushed
    // out of a narrow pane and long names get all the room there is; the other columns
    // are as wide as their texts (at least the width the column autosize gave them).
    const PaneControls& c = m_zerin.panes.controls(m_pane);
    QHeaderView* header = m_lvwList->header();
    for (int column = 0; column < header->count(); ++column) {
        header->setSectionResizeMode(column, column == 0 ? QHeaderView::Stretch : QHeaderView::Fixed);
        if (column == 0) continue;
        const QAbstractItemView* view = m_lvwList;  // the public door to the tree view's own measure
        int width = std::max(view->sizeHintForColumn(column), header->sectionSizeHint(column));
        if (m_zerin.settings.columnAutosize && column < static_cast<int>(c.columns.size()))
            width = std::max(width, c.columns[static_cast<std::size_t>(column)].width);
        // Never more than half the pane: the names come first.
        width = std::min(width, std::max(header->minimumSectionSize(), m_lvwList->viewport()->width() / 2));
        if (header->sectionSize(column) != width) header->resizeSection(column, width);
    }
}

void PaneView::applySelection() {
    const auto& items = m_zerin.panes.list(m_pane).items();
    QItemSelection selection;
    int first = -1;
    for (int row = 0; row < static_cast<int>(items.size()); ++row) {
        if (!items[static_cast<std::size_t>(row)].selected) continue;
        if (first < 0) first = row;
        selection.select(m_model->index(row, 0), m_model->index(row, m_model->columnCount() - 1));
    }
    m_applyingSelection = true;
    m_lvwList->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (first >= 0) {
        m_lvwList->selectionModel()->setCurrentIndex(m_model->index(first, 0), QItemSelectionModel::NoUpdate);
        // The item one came from sits in the middle of the list after going up.
        m_lvwList->scrollTo(m_model->index(first, 0), QAbstractItemView::PositionAtCenter);
    }
    m_applyingSelection = false;
}

void PaneView::takeSelection() {
    if (m_applyingSelection) return;
    auto& items = m_zerin.panes.list(m_pane).mutableItems();
    for (auto& item : items) item.selected = false;
    for (const QModelIndex& index : m_lvwList->selectionModel()->selectedRows())
        if (index.row() < static_cast<int>(items.size())) items[static_cast<std::size_t>(index.row())].selected = true;
    // The Size header shows the selection's total after a click, Ctrl or Shift selection.
    showSelectionSize(m_zerin.panes, m_pane);
    emit selectionChanged(m_pane);
}

bool PaneView::listKey(int key, int shift) {
    constexpr int kBackspace = 8, kTab = 9, kAlt = 4;
    if ((key == kBackspace && shift == 0) || (key == vk::kUp && shift == kAlt)) {
        emit parentClicked(m_pane);
        return true;
    }
    if (KeyTable::accepts(vk::kPad8, key, shift)) {
        if (m_cmdParent->isEnabled()) m_cmdParent->setFocus(Qt::OtherFocusReason);
        return true;
    }
    // Tab never stops in a path box: it goes between the two lists.
    const bool across = key == kTab || (m_pane == 1 && KeyTable::accepts(vk::kPad4, key, shift)) ||
                        (m_pane == 0 && KeyTable::accepts(vk::kPad6, key, shift));
    if (across) emit focusAcross(m_pane);
    return across;
}

bool PaneView::parentKey(int key, int shift) {
    if (key == vk::kEnter || key == 32) {
        m_cmdParent->click();
        return true;
    }
    if (key == vk::kDown || key == vk::kEscape || KeyTable::accepts(vk::kPad2, key, shift)) {
        m_lvwList->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return false;
}

bool PaneView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched == m_lvwList &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Menu) {
        const QModelIndex current = m_lvwList->currentIndex();
        const QRect at = current.isValid() ? m_lvwList->visualRect(current) : QRect();
        openMenu(m_lvwList->viewport()->mapToGlobal(at.center()));
        return true;
    }
    // Path buttons and groups dropped here carry their drag text and show their folders;
    // files from the other pane or another program come as file addresses and join the
    // file cue; any other dropped text is read as a folder to show.
    // A slow second click renames; a Ctrl or Shift click on a selected item changes the
    // selection instead, which a pending rename would swallow.
    if (watched == m_lvwList->viewport() && event->type() == QEvent::MouseButtonPress) {
        const bool extends = static_cast<QMouseEvent*>(event)->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
        m_lvwList->setEditTriggers(extends ? QAbstractItemView::EditKeyPressed
                                           : QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    }
    if (watched == m_lvwList->viewport()) {
        const bool pathBarDrag = m_zerin.dragText.starts_with(pathBarText::kDragPrefix);
        if (!pathBarDrag && takeDrop(event)) return true;
        if (dropEvent(event)) return true;
    }
    // A click into the path box makes the pane the source pane too; the list has no focus.
    if (watched == m_txtPath && event->type() == QEvent::FocusIn) {
        becomeSource();
        focusLeftPanes(m_zerin);
    }
    if (event->type() == QEvent::KeyPress && (watched == m_lvwList || watched == m_cmdParent)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int code = virtualKey(key);
        const int shift = shiftState(key);
        if (watched == m_lvwList ? listKey(code, shift) : parentKey(code, shift)) return true;
    }
    if (watched == m_lvwList->viewport() && event->type() == QEvent::Resize) fitColumns();
    if (watched == m_lvwList) {
        if (event->type() == QEvent::FocusIn) becomeSource();
        else if (event->type() == QEvent::FocusOut) focusLeftPanes(m_zerin);
    }
    return QWidget::eventFilter(watched, event);
}

void PaneView::becomeSource() {
    const bool becomesSource = m_zerin.panes.sourcePane() != m_pane;
    focusPane(m_zerin, m_pane);
    if (becomesSource && m_zerin.settings.blink) {
        m_blinkTicks = kBlinkTicks;
        m_tmrBlink->start(std::max(kFastestBlink, m_zerin.settings.blinkInterval));
    }
}

bool PaneView::dropEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            // A list's own items dropped back on it go nowhere; files without a folder are
            // not taken here.
            if (drag->source() != m_lvwList && !droppedText(drag, m_zerin.dragText).empty())
                drag->acceptProposedAction();
            else
                drag->ignore();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            const std::string text = droppedText(drop, m_zerin.dragText);
            if (drop->source() == m_lvwList || text.empty()) return true;
            drop->acceptProposedAction();
            emit textDropped(m_pane, text);
            return true;
        }
        default: return false;
    }
}

void PaneView::blinkTick() {
    if (--m_blinkTicks <= 0) {
        m_tmrBlink->stop();
        showControls();
        return;
    }
    if (m_blinkTicks % 2 == 1) {
        paint(m_txtPath, paneColour::kPathActiveFore, paneColour::kPathActiveBack);
    } else {
        showControls();
    }
}

QMenu* PaneView::openMenu(const QPoint& global) {
    const std::vector<std::string> paths = selectedPaths(m_zerin.panes, m_pane);
    if (paths.empty()) return nullptr;
    delete m_menu;
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("mnuPane"));
    int row = m_lvwList->currentIndex().row();
    const auto& items = m_zerin.panes.list(m_pane).items();
    if (row < 0 || static_cast<std::size_t>(row) >= items.size() || !items[static_cast<std::size_t>(row)].selected)
        for (row = 0; row < static_cast<int>(items.size()) && !items[static_cast<std::size_t>(row)].selected;) ++row;
    m_menu->addAction(toQString(paneActionText::kOpen), this, [this, row] { emit itemActivated(m_pane, row); });
    m_menu->addAction(toQString(paneActionText::kOpenWith), this, [this, paths] {
        if (auto program = m_zerin.platform.dialogs.inputBox(paneActionText::kOpenWithPrompt, m_zerin.settings.fontSize))
            openWith(m_zerin, *program, paths);
    });
    m_menu->addAction(toQString(paneActionText::kCopyPath), this,
                      [paths] { QGuiApplication::clipboard()->setText(toQString(pathsText(paths))); });
    m_menu->popup(global);
    return m_menu;
}

bool PaneView::takeDrop(QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
    auto* drop = static_cast<QDropEvent*>(event);
    if (!drop->mimeData()->hasUrls()) return false;
    if (type != QEvent::Drop) {
        drop->acceptProposedAction();
        return true;
    }
    std::vector<std::string> paths;
    for (const QUrl& url : drop->mimeData()->urls())
        if (url.isLocalFile()) paths.push_back(url.toLocalFile().toStdString());
    const QModelIndex at = m_lvwList->indexAt(drop->position().toPoint());
    const auto& items = m_zerin.panes.list(m_pane).items();
    const std::string tag = at.isValid() && static_cast<std::size_t>(at.row()) < items.size()
                                ? items[static_cast<std::size_t>(at.row())].tag
                                : std::string();
    const Qt::KeyboardModifiers mods = drop->modifiers();
    if (dropOntoPane(m_zerin, m_pane, paths, tag, mods & Qt::ShiftModifier, mods & Qt::ControlModifier,
                     mods & Qt::AltModifier))
        drop->acceptProposedAction();
    else
        drop->ignore();
    return true;
}

void PaneView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PaneControls& c = m_zerin.panes.controls(m_pane);
    c.viewWidth = m_lvwList->viewport()->width();
    c.viewHeight = m_lvwList->viewport()->height();
}

}  // namespace zerin::ui
