#include "ui/ui_style.h"

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QVariant>
#include <QWidget>

namespace zerin::ui {

QColor toQColor(Colour c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }

Colour toColour(const QColor& c) {
    return static_cast<Colour>(c.red()) | static_cast<Colour>(c.green()) << 8 | static_cast<Colour>(c.blue()) << 16;
}

QColor textColourOn(const QColor& bg) {
    double luminance = 0.299 * bg.red() + 0.587 * bg.green() + 0.114 * bg.blue();
    return luminance > 140 ? QColor(0x10, 0x12, 0x16) : QColor(0xf0, 0xf0, 0xf0);
}

QString commandButtonStyle(Colour colour) {
    QColor bg = toQColor(colour);
    QColor fg = textColourOn(bg);
    return QStringLiteral(
               "QPushButton { background: %1; color: %2; border: 1px solid %3; border-radius: 3px; padding: 0 4px; }"
               "QPushButton:hover { background: %4; }"
               "QPushButton:pressed { background: %3; }"
               "QPushButton:focus { border: 1px solid #f0f0f0; }")
        .arg(bg.name(), fg.name(), bg.darker(160).name(), bg.lighter(115).name());
}

std::optional<QColor> regionBackground(Colour current, Colour saved) {
    if (current == saved) return std::nullopt;
    return toQColor(current);
}

void setRegionBackground(QWidget* widget, const std::optional<QColor>& colour) {
    static const char* const kBase = "zerinBaseStyle";
    QVariant base = widget->property(kBase);
    if (!base.isValid()) {
        base = widget->styleSheet();
        widget->setProperty(kBase, base);
    }
    QString sheet = base.toString();
    if (colour) {
        const QString selector = widget->objectName().isEmpty() ? QStringLiteral("*")
                                                                : QLatin1Char('#') + widget->objectName();
        sheet += QStringLiteral(" %1 { background: %2; }").arg(selector, colour->name());
    }
    widget->setStyleSheet(sheet);
}

void applyWindowStyle(QWidget* window, int fontSize) {
    QPalette p = window->palette();
    p.setColor(QPalette::Window, QColor(kWindowColour));
    p.setColor(QPalette::WindowText, QColor(0xe6, 0xe6, 0xe6));
    p.setColor(QPalette::Base, QColor(0x15, 0x17, 0x1b));
    p.setColor(QPalette::AlternateBase, QColor(0x20, 0x23, 0x28));
    p.setColor(QPalette::Text, QColor(0xe6, 0xe6, 0xe6));
    p.setColor(QPalette::Button, QColor(0x33, 0x38, 0x40));
    p.setColor(QPalette::ButtonText, QColor(0xe6, 0xe6, 0xe6));
    p.setColor(QPalette::Highlight, QColor(0x3a, 0x6e, 0xa5));
    p.setColor(QPalette::HighlightedText, QColor(0xff, 0xff, 0xff));
    p.setColor(QPalette::ToolTipBase, QColor(0xff, 0xff, 0xe1));
    p.setColor(QPalette::ToolTipText, QColor(0x10, 0x10, 0x10));
    p.setColor(QPalette::PlaceholderText, QColor(0x80, 0x86, 0x90));
    window->setPalette(p);
    window->setAutoFillBackground(true);
    QFont f(QStringLiteral("Sans Serif"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSize(fontSize > 0 ? fontSize : 10);
    window->setFont(f);
}

}  // namespace zerin::ui
