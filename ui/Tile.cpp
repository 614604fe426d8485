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
