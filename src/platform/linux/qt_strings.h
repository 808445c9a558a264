// Text crosses between the logic (UTF-8 bytes, lines ending in CR LF) and Qt (QString)
// only through these, so a name with any bytes in it reaches a widget the same way
// everywhere.
#pragma once

#include <QFile>
#include <QString>
#include <string>
#include <string_view>

namespace zerin {

inline QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// For a widget that shows lines: CR LF becomes the line feed Qt breaks lines at.
inline QString toQStringLines(std::string_view utf8) {
    QString q = toQString(utf8);
    q.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return q;
}

inline std::string toUtf8(const QString& q) {
    const QByteArray bytes = q.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// A path from Qt (a dropped URL, a standard folder) as the bytes the file system holds,
// even for a name that is no valid UTF-8.
inline std::string toFileName(const QString& path) {
    const QByteArray bytes = QFile::encodeName(path);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// The other way: a path held as file-system bytes, for Qt to open or show.
inline QString toQFileName(std::string_view path) {
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

}  // namespace zerin
