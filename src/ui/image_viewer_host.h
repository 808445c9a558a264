// The window's side of the image viewer: the viewer pbxViewer, the image list
// lvwImageList, the slide timer tmrSlide and the interval label, driven by the viewer's
// logic (media/image_viewer.h) for the do_image_* commands and the user's clicks, keys
// and drops alike.
#pragma once

#include <QObject>
#include <QTimer>

#include "media/image_viewer.h"
#include "ui/picture_loader.h"

class QKeyEvent;
class QListWidget;

namespace zerin {
class Zerin;
}

namespace zerin::ui {

class PictureView;
class WorkArea;

class ImageViewerHost : public QObject, public ImageViewerView {
    Q_OBJECT
public:
    // `dropBar` is the element coloured while files are dragged over the viewer.
    ImageViewerHost(Zerin& zerin, WorkArea& workArea, QWidget* dropBar, QObject* parent = nullptr);
    ~ImageViewerHost() override;

    // ImageViewerView
    bool loadPicture(const std::string& path) override;
    void display() override;
    void selectItem(std::int32_t index) override;
    void listChanged() override;
    void setCaption(const std::string& caption) override;
    void setSlideTimer(bool on, std::int32_t intervalMs) override;
    void setIntervalLabel(const std::string& text) override;

    // Double click: the viewer over the whole window, or back in its place.
    void toggleEnlarged();
    bool enlarged() const { return m_enlarged; }
    // Files dropped on the list (added when the list takes them) or on the viewer (the
    // first .gif or .jpg shown, not added).
    void dropOnList(const QStringList& paths);
    void dropOnViewer(const QStringList& paths);
    const QTimer& slideTimer() const { return m_slideTimer; }
    // The picture decoded last, for the tests and the benchmark.
    const LoadedPicture& loaded() const { return m_loaded; }

signals:
    // Keypad 8 and keypad 2 in the image list: the focus leaves it for the neighbours the
    // window names (the first path button, the top bar).
    void focusUp();
    void focusDown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ImageViewer viewer();
    QSize viewerSize() const;
    void readAhead();
    void highlightList(bool on);
    void highlightDropBar(bool on);
    bool listKey(QKeyEvent* event);

    Zerin& m_zerin;
    WorkArea& m_workArea;
    PictureView* m_view;
    QListWidget* m_list;
    QWidget* m_listViewport;
    // The window's inner area, which the enlarged viewer covers.
    QWidget* m_cover;
    QWidget* m_dropBar;
    QTimer m_slideTimer;
    // Re-decodes the picture once a resize has settled, when it grew past its pixels.
    QTimer m_sharpen;
    LoadedPicture m_loaded;
    PictureAhead m_ahead;
    bool m_enlarged = false;
    // A picture dropped on the viewer shows even while the list is empty.
    bool m_droppedShown = false;
};

}  // namespace zerin::ui
