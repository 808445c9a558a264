// How long the viewer takes to show a 6000 x 4000 JPEG (a 24-megapixel photo) in a viewer
// of 800 x 600: decoded at the size it is drawn, against decoding it whole and scaling it
// down, the way a plain QImage load would; and how long the UI thread waits for a picture
// that was read ahead. The photo is made on the first run.
//
//   viewer_bench [folder] [runs]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImageReader>
#include <QRandomGenerator>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "../tests/ui/test_jpeg.h"
#include "ui/picture_loader.h"

namespace {

// A photo-like picture: smooth colour fields with fine noise, so the JPEG is as large
// and as slow to decode as a camera's.
QImage makePhoto(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(42);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int noise = static_cast<int>(random.bounded(24));
            line[x] = qRgb((x * 255 / width + noise) & 0xFF, (y * 255 / height + noise) & 0xFF, (x + y + noise) & 0xFF);
        }
    }
    return image;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/dev/shm");
    const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 5;
    const QString path = folder + QStringLiteral("/zerin-bench-6000x4000.jpg");
    if (QImageReader(path).size() != QSize(6000, 4000)) {
        std::printf("making %s\n", qPrintable(path));
        if (!zerin::test::writeJpeg(makePhoto(6000, 4000), path, 1, 90)) return 1;
    }
    const QSize viewer(800, 600);
    std::vector<double> scaled, whole;
    QSize decoded;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        const zerin::ui::LoadedPicture picture = zerin::ui::decodePicture(path, viewer);
        scaled.push_back(t.nsecsElapsed() / 1e6);
        decoded = picture.image.size();
        t.restart();
        QImage full(path);
        QImage shown = full.scaled(viewer, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        whole.push_back(t.nsecsElapsed() / 1e6);
        if (shown.isNull() || !picture.ok()) return 1;
    }
    // The slide show's next picture, decoded ahead while the current one is on screen:
    // the time the UI thread then waits for it.
    std::vector<double> ahead;
    for (int i = 0; i < runs; ++i) {
        zerin::ui::PictureAhead next;
        next.start(path, viewer);
        QThread::msleep(static_cast<unsigned long>(median(whole) * 2 + 100));
        QElapsedTimer t;
        t.start();
        const std::optional<zerin::ui::LoadedPicture> picture = next.take(path, viewer);
        ahead.push_back(t.nsecsElapsed() / 1e6);
        if (!picture || !picture->ok()) return 1;
    }
    std::printf("6000 x 4000 JPEG in an 800 x 600 viewer, median of %d runs\n", runs);
    std::printf("  decoded at the drawn size (%d x %d): %8.1f ms, %5.1f MB of pixels\n", decoded.width(),
                decoded.height(), median(scaled), decoded.width() * decoded.height() * 4 / 1e6);
    std::printf("  decoded whole, then scaled:          %8.1f ms, %5.1f MB of pixels\n", median(whole),
                6000.0 * 4000 * 4 / 1e6);
    std::printf("  ratio %.2f (goal: well under 1)\n", median(scaled) / median(whole));
    std::printf("  read ahead, the UI thread waits:     %8.3f ms (goal: under 1 ms)\n", median(ahead));
    return 0;
}
