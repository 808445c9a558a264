#include "ui/dropped_text.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include "platform/linux/qt_strings.h"

namespace zerin::ui {

std::string droppedText(const QDropEvent* event, const std::string& dragText) {
    if (event->source() && !dragText.empty()) return dragText;
    const QMimeData* mime = event->mimeData();
    // Qt offers a list of addresses as text too; only a text of its own counts as one.
    if (mime->formats().contains(QStringLiteral("text/plain")) && !mime->text().isEmpty()) return toUtf8(mime->text());
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile() && QFileInfo(url.toLocalFile()).isDir()) {
            std::string path = toFileName(url.toLocalFile());
            if (!path.ends_with('/')) path += '/';
            return path;
        }
    return {};
}

}  // namespace zerin::ui
