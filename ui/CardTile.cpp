// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/CardTile.h"

#include "ui/Look.h"

#include <QPainter>

namespace orrin {

CCardTile::CCardTile(const QString &caption, const QStringList &lines) : CTile(caption), m_lines(lines) {}

QRect CCardTile::LinesArea(const QRect &rect)
{
    return BodyArea(rect).adjusted(2, 2, -2, -2);
}

void CCardTile::DrawBody(QPainter &painter, const QRect &body) const
{
    const QRect area = body.adjusted(2, 2, -2, -2);
    painter.setFont(DialogFont(kLineFontHeight));
    painter.setPen(Qt::black);
    for (int i = 0; i < m_lines.size(); ++i) {
        const QRect line(area.left(), area.top() + i * kLineHeight, area.width(), kLineHeight);
        if (line.top() > area.bottom())
            break;
        painter.drawText(line, Qt::TextSingleLine | Qt::AlignLeft | Qt::AlignTop, m_lines[i]);
    }
}

} // namespace orrin
