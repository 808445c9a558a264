#include "platform/linux/qt_text_metrics.h"
#include "platform/linux/qt_strings.h"

#include <QFont>
#include <QFontMetrics>
#include <QStringList>

namespace zerin::linux_platform {

namespace {

QFont fontFor(int pointSize, FontFace face) {
    QFont font(fontFamilyFor(face));
    font.setStyleHint(face == FontFace::Mono ? QFont::Monospace : QFont::SansSerif);
    if (pointSize > 0) font.setPointSize(pointSize);
    return font;
}


}  // namespace

QString fontFamilyFor(std::string_view name) {
    QString n = toQString(name).trimmed();
    if (n.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0) return QStringLiteral("sans-serif");
    if (n.compare(QLatin1String("Terminal"), Qt::CaseInsensitive) == 0) return QStringLiteral("monospace");
    return n;
}

QString fontFamilyFor(FontFace face) {
    return face == FontFace::Mono ? QStringLiteral("monospace") : QStringLiteral("sans-serif");
}

int QtTextMetrics::width(std::string_view text, int pointSize, FontFace face) {
    QFontMetrics metrics(fontFor(pointSize, face));
    int widest = 0;
    for (const QString& line : toQString(text).split(QStringLiteral("\r\n")))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

int QtTextMetrics::height(std::string_view text, int pointSize, FontFace face) {
    QFontMetrics metrics(fontFor(pointSize, face));
    auto lines = static_cast<int>(toQString(text).split(QStringLiteral("\r\n")).size());
    return metrics.height() * std::max(1, lines);
}

}  // namespace zerin::linux_platform
