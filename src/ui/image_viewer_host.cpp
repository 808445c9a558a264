#include "ui/image_viewer_host.h"

#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QMimeData>
#include <QUrl>

#include "app/program.h"
#include "core/colours.h"
#include "panes/pane_paths.h"
#include "platform/linux/qt_strings.h"
#include "ui/key_table.h"
#include "ui/picture_view.h"
#include "ui/ui_style.h"
#include "ui/work_area.h"

namespace zerin::ui {

namespace {

// The drop highlight: this colour on the bottom bar, darkened to 60 per cent on the list.
constexpr Colour kDropColour = 0x803030;
constexpr int kListDropPercent = 60;
// A viewer not laid out yet (another display mode) decodes for this size.
constexpr QSize kFallbackViewer{800, 600};
constexpr int kSharpenDelayMs = 150;

QStringList droppedFiles(const QMimeData* data) {
    QStringList paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) paths << url.toLocalFile();
    return paths;
}

}  // namespace

ImageViewerHost::ImageViewerHost(Zerin& zerin, WorkArea& workArea, QWidget* dropBar, QObject* parent)
    : QObject(parent),
      m_zerin(zerin),
      m_workArea(workArea),
      m_view(workArea.viewer()),
      m_list(workArea.imageList()),
      m_listViewport(m_list->viewport()),
      m_cover(workArea.parentWidget()),
      m_dropBar(dropBar) {
    m_slideTimer.setObjectName(QStringLiteral("tmrSlide"));
    m_slideTimer.setInterval(m_zerin.settings.slideTimerInterval);
    connect(&m_slideTimer, &QTimer::timeout, this, [this] { viewer().slideTick(); });
    m_sharpen.setSingleShot(true);
    m_sharpen.setInterval(kSharpenDelayMs);
    connect(&m_sharpen, &QTimer::timeout, this, [this] {
        if (m_loaded.ok() && !sharpEnough(m_loaded, viewerSize())) {
            m_loaded = decodePicture(m_loaded.path, viewerSize());
            m_view->setPicture(m_loaded.image, m_loaded.fullSize);
            m_view->update();
        }
    });

    connect(m_view, &PictureView::enlargeToggled, this, &ImageViewerHost::toggleEnlarged);
    connect(m_view, &PictureView::pageUp, this, [this] { viewer().prev(); });
    connect(m_view, &PictureView::pageDown, this, [this] { viewer().next(); });
    connect(m_view, &PictureView::dragHover, this, &ImageViewerHost::highlightDropBar);
    connect(m_view, &PictureView::filesDropped, this, &ImageViewerHost::dropOnViewer);
    connect(m_list, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { viewer().choose(m_list->row(item)); });
    m_list->setAcceptDrops(true);
    m_listViewport->setAcceptDrops(true);
    m_listViewport->installEventFilter(this);
    m_list->installEventFilter(this);
    m_view->installEventFilter(this);
    if (m_cover) m_cover->installEventFilter(this);
    listChanged();
    display();
}

ImageViewerHost::~ImageViewerHost() {
    if (m_zerin.imageList.view == this) m_zerin.imageList.view = nullptr;
}

ImageViewer ImageViewerHost::viewer() {
    return ImageViewer(m_zerin.imageList, m_zerin.settings, m_zerin.output, m_zerin.ui->titleBarShown());
}

QSize ImageViewerHost::viewerSize() const {
    const QSize s = m_view->size();
    return s.width() > 1 && s.height() > 1 ? s : kFallbackViewer;
}

bool ImageViewerHost::loadPicture(const std::string& path) {
    const QString file = toQFileName(path);
    std::optional<LoadedPicture> ahead = m_ahead.take(file, viewerSize());
    LoadedPicture picture = ahead ? std::move(*ahead) : decodePicture(file, viewerSize());
    if (!picture.ok()) return false;
    m_loaded = std::move(picture);
    m_view->setPicture(m_loaded.image, m_loaded.fullSize);
    return true;
}

void ImageViewerHost::display() {
    m_view->setShowLogo(m_zerin.imageList.paths.empty() && !m_droppedShown);
    m_view->update();
    if (m_enlarged || m_workArea.mode() == DisplayMode::Image) m_view->show();
    readAhead();
}

void ImageViewerHost::readAhead() {
    // The picture after the one shown, as do_image_next and the slide show step to it.
    const auto& paths = m_zerin.imageList.paths;
    if (paths.size() < 2) return;
    const std::int32_t current = m_zerin.imageList.current;
    const std::size_t next =
        current < 0 || static_cast<std::size_t>(current) + 1 >= paths.size() ? 0 : static_cast<std::size_t>(current) + 1;
    m_ahead.start(toQFileName(paths[next]), viewerSize());
}

void ImageViewerHost::selectItem(std::int32_t index) {
    if (index < 0 || index >= m_list->count()) return;
    m_list->setCurrentRow(index);
    m_list->scrollToItem(m_list->item(index), QAbstractItemView::PositionAtCenter);
}

void ImageViewerHost::listChanged() {
    m_droppedShown = false;
    m_list->clear();
    for (std::string path : m_zerin.imageList.paths) m_list->addItem(toQFileName(trimName(path)));
}

void ImageViewerHost::setCaption(const std::string& caption) {
    m_workArea.window()->setWindowTitle(toQFileName(caption));
}

void ImageViewerHost::setSlideTimer(bool on, std::int32_t intervalMs) {
    m_slideTimer.setInterval(intervalMs);
    if (on) m_slideTimer.start();
    else m_slideTimer.stop();
}

void ImageViewerHost::setIntervalLabel(const std::string& text) {
    CommandBar& bar = m_zerin.bars.top;
    bool changed = false;
    for (std::size_t i = 0; i < bar.elements().size(); ++i) {
        BarElement* e = bar.find(static_cast<int>(i));
        if (e && e->kind == BarElementKind::IntervalLabel) {
            e->caption = text;
            changed = true;
        }
    }
    if (changed) bar.changed();
}

void ImageViewerHost::toggleEnlarged() {
    m_enlarged = !m_enlarged;
    m_workArea.setViewerEnlarged(m_enlarged);
    // Back in its place, the window's resize lays the work area out again.
    if (!m_enlarged) m_zerin.ui->refreshLayout();
    display();
    m_sharpen.start();
}

void ImageViewerHost::dropOnList(const QStringList& paths) {
    std::vector<std::string> files;
    for (const QString& p : paths) files.push_back(toFileName(p));
    viewer().addDropped(files);
}

void ImageViewerHost::dropOnViewer(const QStringList& paths) {
    for (const QString& p : paths) {
        const std::string path = toFileName(p);
        if (!image_viewer::viewerAccepts(path)) continue;
        if (!loadPicture(path)) {
            m_zerin.output.debugMessage(std::string(image_viewer::kLoadError) + path);
            return;
        }
        m_droppedShown = true;
        m_workArea.showMode(DisplayMode::Image);
        display();
        return;
    }
}

void ImageViewerHost::highlightList(bool on) {
    const Colour drop = shade(kDropColour, kListDropPercent);
    setRegionBackground(m_list, on ? std::optional<QColor>(toQColor(drop))
                                   : regionBackground(m_zerin.windowBackground, m_zerin.savedBackground));
}

void ImageViewerHost::highlightDropBar(bool on) {
    if (!m_dropBar) return;
    setRegionBackground(m_dropBar, on ? std::optional<QColor>(toQColor(kDropColour))
                                      : regionBackground(m_zerin.windowBackground, m_zerin.savedBackground));
}

bool ImageViewerHost::listKey(QKeyEvent* event) {
    const int key = virtualKey(event), shift = shiftState(event);
    if (KeyTable::accepts(vk::kPageUp, key, shift)) {
        viewer().prev();
        return true;
    }
    if (KeyTable::accepts(vk::kPageDown, key, shift)) {
        viewer().next();
        return true;
    }
    if (KeyTable::accepts(vk::kPad8, key, shift)) {
        emit focusUp();
        return true;
    }
    if (KeyTable::accepts(vk::kPad2, key, shift)) {
        emit focusDown();
        return true;
    }
    if (KeyTable::accepts(vk::kEnter, key, shift)) {
        if (m_list->currentRow() >= 0) viewer().choose(m_list->currentRow());
        return true;
    }
    return false;
}

bool ImageViewerHost::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_listViewport) {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (!drag->mimeData()->hasUrls()) return false;
            drag->acceptProposedAction();
            if (event->type() == QEvent::DragEnter) highlightList(true);
            return true;
        }
        case QEvent::DragLeave: highlightList(false); return true;
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            drop->acceptProposedAction();
            highlightList(false);
            dropOnList(droppedFiles(drop->mimeData()));
            return true;
        }
        default: return false;
        }
    }
    if (watched == m_list && event->type() == QEvent::KeyPress) return listKey(static_cast<QKeyEvent*>(event));
    if (watched == m_view && event->type() == QEvent::Resize && m_loaded.ok()) m_sharpen.start();
    if (watched == m_cover && event->type() == QEvent::Resize && m_enlarged)
        m_workArea.setViewerEnlarged(true);
    return false;
}

}  // namespace zerin::ui
