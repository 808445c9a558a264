// The window's look: a dark background, readable light text, and command buttons in the
// colours their scripts give them. Colours arrive in the Windows order 0x00BBGGRR.
#pragma once

#include <QColor>
#include <QString>
#include <optional>

#include "panes/list_model.h"  // Colour

class QWidget;

namespace zerin::ui {

QColor toQColor(Colour colour);
Colour toColour(const QColor& colour);
// Dark text on light buttons, light text on dark ones.
QColor textColourOn(const QColor& background);
// The style sheet of a command button with this background.
QString commandButtonStyle(Colour colour);
// The dark palette and the font of the whole window ("Arial" maps to sans-serif).
void applyWindowStyle(QWidget* window, int fontSize);

// The background the regions take: their own look (nothing) while the window background
// is the saved default, otherwise that colour.
std::optional<QColor> regionBackground(Colour current, Colour saved);
// Lays the background over the widget's own style sheet (kept from the first call), or
// takes it away again with nothing.
void setRegionBackground(QWidget* widget, const std::optional<QColor>& colour);

inline constexpr const char* kPanelColour = "#23272e";
inline constexpr const char* kWindowColour = "#1b1e23";

}  // namespace zerin::ui
