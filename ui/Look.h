// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Colours, fonts, cursor and drawing helpers shared by the program's own
// controls (task pane, header bar, link label, text panel, tile grid).

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QRect>

class QPainter;

namespace orrin {

// Moves each of red, green and blue toward 255 by the fraction t, truncating;
// t <= 0 or t > 1 leaves the colour unchanged.
QColor Lighten(const QColor &colour, double t);

// Fractions used with Lighten.
constexpr double kPaneBackgroundLight = 0.3;
constexpr double kHoverLight = 0.35;
constexpr double kGroupBodyLight = 0.75;

// The rectangle of pixels from (left, top) up to, not including, (right,
// bottom); empty when right <= left or bottom <= top.
QRect EdgeRect(int left, int top, int right, int bottom);

// A one-pixel outline along the inside of the rectangle.
void DrawFrame(QPainter &painter, const QRect &rect, const QColor &colour);

// The dialog font of the controls ("MS Sans Serif", or the nearest sans
// serif the system has) whose character cell is at most the given height in
// pixels.
QFont DialogFont(int pixelHeight, bool bold = false);

// Whether the controls paint their colour gradients. Controls read it when
// they are made; with it off, headers are drawn in their fallback look.
// On by default; tests turn it off to see the fallback.
bool GradientFillAvailable();
void SetGradientFillAvailable(bool available);

// The pointing hand shown over links and group headers.
QCursor HandCursor();

} // namespace orrin
