// Text measured in the window's real fonts, for window tests that check placement.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QString>

#include "platform/text_metrics.h"

namespace zerin::test {

class QtTextMetrics : public TextMetrics {
public:
    int width(std::string_view text, int pointSize, FontFace face) override {
        return QFontMetrics(font(pointSize, face)).horizontalAdvance(QString::fromUtf8(text.data(), qsizetype(text.size())));
    }
    int height(std::string_view, int pointSize, FontFace face) override {
        return QFontMetrics(font(pointSize, face)).height();
    }

private:
    static QFont font(int pointSize, FontFace face) {
        QFont f(face == FontFace::Mono ? QStringLiteral("Monospace") : QStringLiteral("Sans Serif"));
        f.setStyleHint(face == FontFace::Mono ? QFont::Monospace : QFont::SansSerif);
        f.setPointSize(pointSize > 0 ? pointSize : 10);
        return f;
    }
};

}  // namespace zerin::test
