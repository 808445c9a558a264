// The window's look: a dark background, readable light text, and command buttons in the
// colours their scripts give them. Colours arrive in the Windows order 0x00BBGGRR.
#pragma once

#include <QColor>
#include <QString>

#include "panes/list_model.h"  // Colour

class QWidget;

namespace zerin::ui {

// Dark text on light buttons, light text on dark ones.
QColor textColourOn(const QColor& background);
// The style sheet of a command button with this background.
QString commandButtonStyle(Colour colour);
// The dark palette and the font of the whole window ("Arial" maps to sans-serif).
void applyWindowStyle(QWidget* window, int fontSize);

inline constexpr const char* kPanelColour = "#23272e";
inline constexpr const char* kWindowColour = "#1b1e23";

}  // namespace zerin::ui
