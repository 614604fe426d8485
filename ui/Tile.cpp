// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/Tile.h"

#include "ui/Look.h"
#include "ui/TileGrid.h"

#include <QMouseEvent>
#include <QPainter>

namespace orrin {

CTile::CTile(const QString &caption) : m_strCaption(caption)
{
    setObjectName(QStringLiteral("Item"));
}

QRect CTile::BodyArea(const QRect &rect)
{
    return rect.adjusted(2, 2 + kCaptionHeight, -2, -2);
}

void CTile::Draw(QPainter &painter, const QRect &rect) const
{
    painter.save();
    painter.fillRect(rect, Qt::white);
    const QColor frame = m_bSelected ? kSelectedFrame : kFrame;
    DrawFrame(painter, rect.adjusted(1, 1, -1, -1), frame);
    DrawFrame(painter, rect.adjusted(2, 2, -2, -2), frame);

    const QRect inner = rect.adjusted(3, 3, -2, -2);
    const QRect strip(inner.left(), inner.top(), inner.width(), kCaptionHeight);
    painter.fillRect(strip, m_bSelected ? palette().color(QPalette::Highlight) : kCaptionStrip);
    painter.setFont(DialogFont(kCaptionFontHeight, true));
    painter.setPen(m_bSelected ? Qt::white : Qt::black);
    painter.drawText(strip, Qt::TextSingleLine | Qt::AlignLeft | Qt::AlignTop, m_strCaption);

    const QRect body = BodyArea(rect);
    painter.setClipRect(body, Qt::IntersectClip);
    DrawBody(painter, body);
    painter.restore();
}

void CTile::DrawBody(QPainter &, const QRect &) const {}

QRect CTile::FittedRect(const QSize &picture, const QRect &area)
{
    if (picture.isEmpty() || area.isEmpty())
        return {};
    const double ratio = double(picture.width()) / picture.height();
    if (ratio >= double(area.width()) / area.height()) {
        const int height = int(area.width() / ratio);
        return {area.left(), area.top() + (area.height() - height) / 2, area.width(), height};
    }
    const int width = int(ratio * area.height());
    return {area.left() + (area.width() - width) / 2, area.top(), width, area.height()};
}

void CTile::DrawFitted(QPainter &painter, const QImage &picture, const QRect &area)
{
    const QRect target = FittedRect(picture.size(), area);
    if (target.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (target.size() == picture.size())
        painter.drawImage(target.topLeft(), picture);
    else
        painter.drawImage(target, picture);
    painter.restore();
}

void CTile::DrawEmptyCaption(QPainter &painter, const QRect &body, int insetX, int insetY) const
{
    painter.save();
    painter.setFont(DialogFont(kEmptyCaptionFontHeight, true));
    painter.setPen(kEmptyCaption);
    painter.drawText(body.adjusted(insetX, insetY, -insetX, -insetY),
                     Qt::TextSingleLine | Qt::AlignHCenter | Qt::AlignTop, m_strCaption);
    painter.restore();
}

void CTile::SetRect(const QRect &rect)
{
    m_rect = rect;
    setGeometry(rect);
}

CTileGrid *CTile::Grid() const
{
    return qobject_cast<CTileGrid *>(parentWidget());
}

void CTile::mousePressEvent(QMouseEvent *event)
{
    if (CTileGrid *grid = Grid())
        grid->TileButton(this, event->button(), true, event->globalPosition().toPoint());
}

void CTile::mouseReleaseEvent(QMouseEvent *event)
{
    if (CTileGrid *grid = Grid())
        grid->TileButton(this, event->button(), false, event->globalPosition().toPoint());
}

void CTile::mouseDoubleClickEvent(QMouseEvent *event)
{
    CTileGrid *grid = Grid();
    if (grid && event->button() == Qt::LeftButton)
        grid->TileDoubleClick(this, event->globalPosition().toPoint());
}

void CTile::wheelEvent(QWheelEvent *event)
{
    if (CTileGrid *grid = Grid())
        grid->wheelEvent(event);
}

} // namespace orrin
