// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Shared by the window-look tests: system measures pinned to known values and
// helpers for looking at painted pixels.

#include "ui/SystemMetrics.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QRect>

namespace orrin::test {

// A 19-pixel menu bar (links 21 high) and 17-pixel scroll bars.
constexpr SystemMetrics kPinnedMetrics{19, 17, 17};

class CUiTest : public ::testing::Test {
protected:
    void SetUp() override { PinSystemMetrics(kPinnedMetrics); }
    void TearDown() override { PinSystemMetrics(std::nullopt); }
};

inline QColor Pixel(const QPixmap &picture, int x, int y)
{
    return picture.toImage().pixelColor(x, y);
}

// Counts the pixels of exactly that colour (alpha ignored) inside area.
inline int CountColour(const QImage &image, const QRect &area, const QColor &colour)
{
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += image.pixelColor(x, y).rgb() == colour.rgb();
    }
    return count;
}

inline bool IsNear(const QColor &a, const QColor &b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
        && std::abs(a.blue() - b.blue()) <= tolerance;
}

// Counts the pixels within tolerance of the colour inside area; for smoothed
// text, whose pixels are seldom exactly the pen colour.
inline int CountNear(const QImage &image, const QRect &area, const QColor &colour, int tolerance)
{
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += IsNear(image.pixelColor(x, y), colour, tolerance);
    }
    return count;
}

} // namespace orrin::test
