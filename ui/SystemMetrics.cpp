// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/SystemMetrics.h"

#include <QApplication>
#include <QMenuBar>
#include <QStyle>

#include <cstdlib>

namespace orrin {

namespace {

std::optional<SystemMetrics> s_pinned;

int StyleMenuBarHeight()
{
    static const int height = [] {
        QMenuBar bar;
        bar.addMenu(QStringLiteral("&File"));
        return bar.sizeHint().height();
    }();
    return height;
}

} // namespace

SystemMetrics CurrentSystemMetrics()
{
    if (s_pinned)
        return *s_pinned;
    const int scrollBar = QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return {StyleMenuBarHeight(), scrollBar, scrollBar};
}

void PinSystemMetrics(std::optional<SystemMetrics> metrics)
{
    s_pinned = metrics;
}

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return 0;
    const long long product = static_cast<long long>(a) * b;
    const long long half = std::llabs(c) / 2;
    const bool negative = (product < 0) != (c < 0);
    const long long magnitude = (std::llabs(product) + half) / std::llabs(c);
    return static_cast<int>(negative ? -magnitude : magnitude);
}

int LinkHeight()
{
    return MulDiv(CurrentSystemMetrics().menuBarHeight, 9, 8);
}

} // namespace orrin
