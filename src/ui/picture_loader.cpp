#include "ui/picture_loader.h"

#include <QImageIOHandler>
#include <QImageReader>
#include <QThreadPool>
#include <condition_variable>
#include <mutex>

#include "media/image_viewer.h"

namespace zerin::ui {

namespace {

QSize drawnSize(QSize viewer, QSize picture) {
    const image_viewer::DrawRect r = image_viewer::fit(viewer.width(), viewer.height(), picture.width(), picture.height());
    return {r.width, r.height};
}

}  // namespace

LoadedPicture decodePicture(const QString& path, QSize viewerSize) {
    LoadedPicture out;
    out.path = path;
    out.viewerSize = viewerSize;
    QImageReader reader(path);
    reader.setAutoTransform(true);
    // The size in the file's own orientation; the scaled size is asked in that orientation
    // too, because the reader turns the picture after decoding it.
    const QSize stored = reader.size();
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    if (stored.isValid()) {
        out.fullSize = turned ? stored.transposed() : stored;
        const QSize drawn = drawnSize(viewerSize, out.fullSize);
        if (drawn.width() > 0 && drawn.height() > 0 && drawn.width() < out.fullSize.width() &&
            drawn.height() < out.fullSize.height())
            reader.setScaledSize(turned ? drawn.transposed() : drawn);
    }
    out.image = reader.read();
    if (out.image.isNull()) return out;
    if (!out.fullSize.isValid()) out.fullSize = out.image.size();
    return out;
}

bool sharpEnough(const LoadedPicture& picture, QSize viewerSize) {
    if (!picture.ok()) return false;
    if (picture.image.size() == picture.fullSize) return true;
    const QSize drawn = drawnSize(viewerSize, picture.fullSize);
    // One pixel of slack: the scaled decode rounds each side.
    return picture.image.width() + 1 >= drawn.width() && picture.image.height() + 1 >= drawn.height();
}

struct PictureAhead::Slot {
    QString path;
    QSize viewerSize;
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    LoadedPicture result;
};

PictureAhead::PictureAhead() = default;

// A decode under way finishes on its own; the task holds its slot.
PictureAhead::~PictureAhead() = default;

void PictureAhead::start(const QString& path, QSize viewerSize) {
    if (m_slot && m_slot->path == path && m_slot->viewerSize == viewerSize) return;
    auto slot = std::make_shared<Slot>();
    slot->path = path;
    slot->viewerSize = viewerSize;
    m_slot = slot;
    QThreadPool::globalInstance()->start([slot] {
        LoadedPicture picture = decodePicture(slot->path, slot->viewerSize);
        std::lock_guard lock(slot->mutex);
        slot->result = std::move(picture);
        slot->done = true;
        slot->finished.notify_all();
    });
}

bool PictureAhead::pending(const QString& path) const { return m_slot && m_slot->path == path; }

std::optional<LoadedPicture> PictureAhead::take(const QString& path, QSize viewerSize) {
    if (!m_slot || m_slot->path != path || m_slot->viewerSize != viewerSize) return std::nullopt;
    std::shared_ptr<Slot> slot = std::move(m_slot);
    std::unique_lock lock(slot->mutex);
    slot->finished.wait(lock, [&] { return slot->done; });
    return std::move(slot->result);
}

}  // namespace zerin::ui
