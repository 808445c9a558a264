#include "platform/linux/mime_file_icons.h"

#include <QMimeDatabase>

namespace zerin::linux_platform {

namespace {

int indexOf(const QString& name) {
    const QByteArray utf8 = name.toUtf8();
    const std::string_view wanted(utf8.constData(), static_cast<std::size_t>(utf8.size()));
    for (std::size_t i = 1; i < kIconNames.size(); ++i)
        if (kIconNames[i] == wanted) return static_cast<int>(i);
    return 0;
}

}  // namespace

int MimeFileIcons::iconFor(const std::string& path, bool folder) {
    if (folder) return kFolderIcon;
    static const QMimeDatabase database;
    const QMimeType type = database.mimeTypeForFile(QString::fromStdString(path), QMimeDatabase::MatchExtension);
    if (int i = indexOf(type.iconName())) return i;
    if (int i = indexOf(type.genericIconName())) return i;
    const QString media = type.name().section('/', 0, 0);
    if (media == QLatin1String("text")) return indexOf(QStringLiteral("text-x-generic"));
    if (media == QLatin1String("image")) return indexOf(QStringLiteral("image-x-generic"));
    if (media == QLatin1String("audio")) return indexOf(QStringLiteral("audio-x-generic"));
    if (media == QLatin1String("video")) return indexOf(QStringLiteral("video-x-generic"));
    return indexOf(QStringLiteral("application-x-generic"));
}

}  // namespace zerin::linux_platform
