// JPEG files made by the tests and the benchmark: Qt writes the picture, and an EXIF
// block with an orientation goes in right after the start marker, as cameras write it.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>

namespace zerin::test {

// orientation 1 to 8 as EXIF numbers it (6: the camera was turned a quarter clockwise);
// 0 writes no EXIF block.
inline bool writeJpeg(const QImage& image, const QString& path, int orientation = 0, int quality = 85) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "JPEG", quality)) return false;
    if (orientation > 0) {
        // APP1: "Exif\0\0", a little-endian TIFF header, IFD0 with the one entry 0x0112.
        const unsigned char exif[] = {0xFF, 0xE1, 0x00, 34,   'E',  'x',  'i',  'f',  0,    0,    'I',  'I',
                                      0x2A, 0x00, 0x08, 0x00, 0x00, 0x00, 0x01, 0x00, 0x12, 0x01, 0x03, 0x00,
                                      0x01, 0x00, 0x00, 0x00, static_cast<unsigned char>(orientation),
                                      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
        bytes.insert(2, reinterpret_cast<const char*>(exif), sizeof exif);
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A picture whose left half is `left` and right half `right`, so a turn shows.
inline QImage halves(int width, int height, QColor left, QColor right) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    p.fillRect(0, 0, width / 2, height, left);
    p.fillRect(width / 2, 0, width - width / 2, height, right);
    return image;
}

}  // namespace zerin::test
