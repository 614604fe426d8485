// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/Look.h"

#include <QFontMetrics>

#include "resources/Resources.h"

#include <QPainter>
#include <QPixmap>

#include <atomic>

namespace orrin {

namespace {

std::atomic<bool> s_gradientFill{true};

int LightenChannel(int channel, double t)
{
    return static_cast<int>(channel + t * (255 - channel));
}

} // namespace

QColor Lighten(const QColor &colour, double t)
{
    if (t <= 0.0 || t > 1.0)
        return colour;
    return QColor(LightenChannel(colour.red(), t), LightenChannel(colour.green(), t),
                  LightenChannel(colour.blue(), t), colour.alpha());
}

QRect EdgeRect(int left, int top, int right, int bottom)
{
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

void DrawFrame(QPainter &painter, const QRect &rect, const QColor &colour)
{
    if (rect.isEmpty())
        return;
    painter.fillRect(rect.x(), rect.y(), rect.width(), 1, colour);
    painter.fillRect(rect.x(), rect.bottom(), rect.width(), 1, colour);
    painter.fillRect(rect.x(), rect.y(), 1, rect.height(), colour);
    painter.fillRect(rect.right(), rect.y(), 1, rect.height(), colour);
}

QFont DialogFont(int pixelHeight, bool bold)
{
    // The narrow sans serif the layouts were drawn for, or the nearest in width.
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans Condensed")});
    font.setStyleHint(QFont::SansSerif);
    font.setBold(bold);
    // The height is the whole character cell, as the layouts were drawn for,
    // not the em size: shrink until a line fits in it.
    int size = std::max(1, pixelHeight);
    font.setPixelSize(size);
    while (size > 1 && QFontMetrics(font).height() > pixelHeight)
        font.setPixelSize(--size);
    return font;
}

bool GradientFillAvailable()
{
    return s_gradientFill.load();
}

void SetGradientFillAvailable(bool available)
{
    s_gradientFill.store(available);
}

QCursor HandCursor()
{
    InitResources();
    QPixmap picture(CursorPath(IDC_HAND));
    if (picture.isNull())
        return QCursor(Qt::PointingHandCursor);
    return QCursor(picture, kHandHotSpotX, kHandHotSpotY);
}

} // namespace orrin
