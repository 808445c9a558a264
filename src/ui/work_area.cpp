#include "ui/work_area.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/program.h"
#include "panes/file_cue.h"
#include "panes/pane_model.h"
#include "ui/code_editor.h"
#include "ui/debug_pane.h"
#include "ui/main_window_texts.h"
#include "ui/picture_view.h"
#include "ui/text_box_view.h"
#include "ui/text_editor_view.h"
#include "platform/linux/qt_strings.h"

namespace zerin::ui {

namespace {

constexpr int kMargin = 2;
constexpr int kImageListWidth = 220;

QGroupBox* captioned(std::string_view caption, QWidget* content, QWidget* parent) {
    auto* box = new QGroupBox(toQString(caption), parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(content);
    return box;
}

}  // namespace

WorkArea::WorkArea(Zerin& zerin, QWidget* parent) : QWidget(parent), m_zerin(zerin) {
    setObjectName(QStringLiteral("WorkArea"));
    m_fileOp = new QTreeWidget(this);
    m_fileOp->setObjectName(QStringLiteral("lvwFileOp"));
    m_fileOp->setHeaderLabels({QStringLiteral("Source"), QStringLiteral("Operation"), QStringLiteral("Target")});
    m_fileOp->setRootIsDecorated(false);
    // The cue is the panes' own; this list only shows it.
    zerin.panes.fileCue.changed = [this, &zerin] { showFileCue(zerin.panes.fileCue); };
    showFileCue(zerin.panes.fileCue);

    m_editor = new TextEditorView(zerin, this);
    m_editor->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    m_viewer = new PictureView(this);
    m_imageList = new QListWidget(this);
    m_imageList->setObjectName(QStringLiteral("lvwImageList"));

    m_code = new CodeEditor(zerin);
    connect(m_code, &CodeEditor::codeEditorOnlyToggled, this, [this] { setCodeEditorOnly(!m_codeOnly); });
    m_code->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_code->setTabStopDistance(4 * QFontMetricsF(m_code->font()).horizontalAdvance(QLatin1Char(' ')));
    m_debug = new DebugPane(zerin);
    m_debug->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_codeBox = captioned(texts::kCodeEditorCaption, m_code, this);
    m_debugBox = captioned(texts::kDebugCaption, m_debug, this);
    m_codeBox->setObjectName(QStringLiteral("CodeEditorFrame"));
    m_debugBox->setObjectName(QStringLiteral("DebugFrame"));
    hideAll();
    layoutSystem();
}

WorkArea::~WorkArea() { m_zerin.panes.fileCue.changed = nullptr; }

void WorkArea::showFileCue(const FileCue& cue) {
    m_fileOp->clear();
    for (const CueEntry& e : cue.entries()) {
        const bool move = e.operation == kCueMove;
        QString operation = e.operation.empty() ? QString() : QString::fromLatin1(move ? "Move" : "Copy");
        if (!e.status.empty()) operation += QStringLiteral(": ") + toQString(e.status);
        std::string folder = e.target;
        while (folder.size() > 1 && folder.ends_with('/')) folder.pop_back();
        const std::string targetName = folder.substr(folder.rfind('/') + 1) + "/";
        auto* item = new QTreeWidgetItem(m_fileOp, {toQString(e.name), operation, toQString(targetName)});
        // Pointing at a cell shows its whole text.
        item->setToolTip(0, toQString(e.source));
        item->setToolTip(1, toQString(e.operation));
        item->setToolTip(2, toQString(e.target));
    }
}

bool WorkArea::applyDisplayMode(std::string_view value) {
    if (value == "dom_file") showMode(DisplayMode::File);
    else if (value == "dom_text") showMode(DisplayMode::Text);
    else if (value == "dom_image") showMode(DisplayMode::Image);
    else if (value == "dom_system") showMode(DisplayMode::System);
    else return false;
    return true;
}

void WorkArea::showMode(DisplayMode mode) {
    m_mode = mode;
    switch (mode) {
    case DisplayMode::File: layoutFile(); break;
    case DisplayMode::Text: layoutText(); break;
    case DisplayMode::Image: layoutImage(); break;
    case DisplayMode::System: layoutSystem(); break;
    }
}

void WorkArea::setCodeEditorOnly(bool on) {
    m_codeOnly = on;
    if (m_mode == DisplayMode::System) layoutSystem();
}

void WorkArea::hideAll() {
    for (QWidget* w : {static_cast<QWidget*>(m_fileOp), static_cast<QWidget*>(m_editor),
                       static_cast<QWidget*>(m_imageList), static_cast<QWidget*>(m_codeBox),
                       static_cast<QWidget*>(m_debugBox)})
        w->hide();
    // The enlarged viewer covers the window whatever the work area shows.
    if (!m_viewerEnlarged) m_viewer->hide();
}

void WorkArea::setViewerEnlarged(bool enlarged) {
    m_viewerEnlarged = enlarged;
    QWidget* cover = parentWidget();
    if (enlarged && cover) {
        if (m_viewer->parentWidget() != cover) m_viewer->setParent(cover);
        m_viewer->setGeometry(cover->rect());
        m_viewer->raise();
        m_viewer->show();
        return;
    }
    if (m_viewer->parentWidget() != this) m_viewer->setParent(this);
    showMode(m_mode);
}

void WorkArea::layoutFile() {
    hideAll();
    m_fileOp->setGeometry(rect().adjusted(kMargin, kMargin, -kMargin, -kMargin));
    m_fileOp->show();
}

void WorkArea::layoutText() {
    hideAll();
    m_editor->setGeometry(rect().adjusted(kMargin, kMargin, -kMargin, -kMargin));
    m_editor->show();
}

void WorkArea::layoutImage() {
    hideAll();
    QRect r = rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
    int listWidth = std::min(kImageListWidth, r.width() / 3);
    m_imageList->setGeometry(r.x(), r.y(), listWidth, r.height());
    m_imageList->show();
    if (height() >= 2 && !m_viewerEnlarged) {
        m_viewer->setGeometry(r.x() + listWidth + kMargin, r.y(), r.width() - listWidth - kMargin, r.height());
        m_viewer->show();
    }
}

void WorkArea::layoutSystem() {
    hideAll();
    if (height() < 10) {
        m_code->setEnabled(false);
        m_debug->setEnabled(false);
        return;
    }
    QRect r = rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
    m_code->setEnabled(true);
    if (m_codeOnly) {
        m_codeBox->setGeometry(r);
        m_codeBox->show();
        m_debug->setEnabled(false);
        return;
    }
    int codeHeight = r.height() * 3 / 5;
    m_codeBox->setGeometry(r.x(), r.y(), r.width(), codeHeight);
    m_debugBox->setGeometry(r.x(), r.y() + codeHeight, r.width(), r.height() - codeHeight);
    m_debug->setEnabled(true);
    m_codeBox->show();
    m_debugBox->show();
}

void WorkArea::setTextFontSize(int points) {
    for (QPlainTextEdit* box : {static_cast<QPlainTextEdit*>(m_editor), static_cast<QPlainTextEdit*>(m_code),
                                static_cast<QPlainTextEdit*>(m_debug)}) {
        QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        f.setPointSize(points > 0 ? points : 10);
        box->setFont(f);
    }
}

QWidget* WorkArea::focusTarget() const {
    switch (m_mode) {
    case DisplayMode::Image: return m_imageList;
    case DisplayMode::Text: return m_editor;
    case DisplayMode::File: return m_fileOp;
    case DisplayMode::System: return nullptr;
    }
    return nullptr;
}

void WorkArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    showMode(m_mode);
}

}  // namespace zerin::ui
