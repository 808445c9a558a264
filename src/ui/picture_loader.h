// Decoding pictures for the viewer at the size they are shown, upright, and one picture
// ahead on a worker thread while the current one is on screen.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <memory>
#include <optional>

namespace zerin::ui {

struct LoadedPicture {
    QString path;
    // The decoded pixels: at most the size the picture is drawn in, never more than the
    // file holds.
    QImage image;
    // The picture's own size, upright: the fit rule measures this, not the decoded size.
    QSize fullSize;
    // The viewer size it was decoded for.
    QSize viewerSize;
    bool ok() const { return !image.isNull(); }
};

// Reads the file upright (EXIF orientation applied) and, when the picture is drawn
// smaller than it is, decoded straight at the drawn size: a 6000 x 4000 JPEG shown in
// 800 x 450 never exists in memory at full size. A null image when it cannot be read.
LoadedPicture decodePicture(const QString& path, QSize viewerSize);

// Whether a picture decoded for one viewer size still looks sharp in another: its pixels
// cover the new drawn size, or it was decoded at its full size already.
bool sharpEnough(const LoadedPicture& picture, QSize viewerSize);

// One picture decoded ahead on Qt's thread pool. Asking for another picture abandons the
// one under way (its result is dropped when it arrives), so no work piles up.
class PictureAhead {
public:
    PictureAhead();
    ~PictureAhead();
    PictureAhead(const PictureAhead&) = delete;
    PictureAhead& operator=(const PictureAhead&) = delete;

    void start(const QString& path, QSize viewerSize);
    // The picture when it is the one started for this path and viewer size (waiting for
    // the worker when it is still decoding it); otherwise nothing, and the caller decodes.
    std::optional<LoadedPicture> take(const QString& path, QSize viewerSize);
    bool pending(const QString& path) const;

private:
    struct Slot;
    std::shared_ptr<Slot> m_slot;
};

}  // namespace zerin::ui
