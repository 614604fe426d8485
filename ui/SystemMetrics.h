// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The few system measures the controls' geometry follows. They come from the
// running style; tests pin them to known values.

#include <optional>

namespace orrin {

struct SystemMetrics {
    int menuBarHeight;   // height of a window's menu bar
    int scrollThumbWidth; // width of a scroll bar's thumb, kept free beside content
    int scrollBarWidth;  // width of a vertical scroll bar
};

// The measures in force: the pinned ones, or those of the running style.
SystemMetrics CurrentSystemMetrics();

// Pins the measures (tests); nullopt returns to the style's.
void PinSystemMetrics(std::optional<SystemMetrics> metrics);

// a * b / c rounded to the nearest integer, halves away from zero; 0 when c
// is 0.
int MulDiv(int a, int b, int c);

// Height of one task-pane link row: nine eighths of the menu-bar height.
int LinkHeight();

} // namespace orrin
