// Opens a top-level window inside the screen's free area, at the placement kept from the
// last run, and keeps that placement when the window closes (see window_placement.h).
//
// The window manager tells the size of its frame only after the window is shown, so the
// first fit uses the frame seen in the last run (or an assumed one); when the real frame
// arrives the window is fitted once more, so that its bottom edge is never off-screen.
#pragma once

#include <QMargins>
#include <QObject>
#include <QRect>
#include <QSize>
#include <filesystem>

class QScreen;
class QTimer;
class QWidget;

namespace zerin::ui {

class WindowPlacer : public QObject {
    Q_OBJECT
public:
    // The size a window without a kept placement asks for (cut to the screen).
    static constexpr QSize kDefaultSize{1280, 800};
    // How long after showing a frame from the window manager is waited for.
    static constexpr int kFrameWaitMs = 1500;

    WindowPlacer(QWidget* window, std::filesystem::path file);

    // Places the window and shows it (maximised when it was left maximised).
    void show();
    // Writes the placement now; the window calls it as it closes.
    bool save() const;

    // The frame the window has now; the assumed one while it is not known.
    QMargins frameNow() const;
    QRect availableArea() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitToFrame();
    QScreen* screenFor(const QRect& wanted) const;

    QWidget* m_window;
    std::filesystem::path m_file;
    QRect m_wanted;
    QMargins m_frame;
    bool m_fitPending = false;
    QTimer* m_frameWait;
};

}  // namespace zerin::ui
