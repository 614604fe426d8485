// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/TaskGroup.h"

#include "link/Translated.h"
#include "ui/Look.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace orrin {

PaneColours PaneColours::FromHighlight(const QColor &highlight)
{
    return {highlight, Lighten(highlight, kHoverLight), Lighten(highlight, kPaneBackgroundLight),
            Lighten(highlight, kGroupBodyLight)};
}

QString TaskPaneText(const QString &source)
{
    return Translated("CTaskPane", source);
}

CTaskGroup::CTaskGroup(const QString &title, bool gradient) : title(title), m_bGradient(gradient) {}

int CTaskGroup::Height(int linkHeight) const
{
    return collapsed ? kHeaderHeight : ExpandedHeight(linkHeight);
}

int CTaskGroup::ExpandedHeight(int linkHeight) const
{
    return kHeaderHeight + static_cast<int>(links.size()) * linkHeight;
}

void CTaskGroup::Place(const QRect &rect, int linkHeight, const QFontMetrics &linkMetrics)
{
    m_rect = rect;
    const int left = rect.left();
    const int right = rect.left() + rect.width();
    const int textLeft = left + kLinkIndent;
    const int textRoom = std::max(0, right - kLinkIndent - textLeft);
    const int textHeight = linkMetrics.height();
    int top = HeaderBottom();
    for (CTaskLink &link : links) {
        link.row = EdgeRect(left, top, right, top + linkHeight);
        const int textWidth = std::min(linkMetrics.horizontalAdvance(TaskPaneText(link.text)), textRoom);
        link.hit = QRect(textLeft, top + (linkHeight - textHeight) / 2, textWidth, textHeight);
        top += linkHeight;
    }
}

QRect CTaskGroup::HitArea() const
{
    const int right = m_rect.left() + m_rect.width();
    return EdgeRect(m_rect.left(), m_rect.top() + kHitTop, right - kEdgeInset, m_rect.top() + kHitBottom);
}

void CTaskGroup::Draw(QPainter &painter, const PaneColours &colours, const QFont &font,
                      const GroupButtons &buttons, std::optional<int> bodyShift) const
{
    DrawHeader(painter, colours, font, buttons);
    if (!bodyShift) {
        DrawBody(painter, colours, font, m_rect.top() + m_rect.height(), !collapsed);
        return;
    }
    const QRect slot = EdgeRect(m_rect.left(), HeaderBottom(), m_rect.left() + m_rect.width(),
                                m_rect.top() + m_rect.height());
    painter.fillRect(slot, colours.background);
    painter.save();
    painter.setClipRect(slot);
    painter.translate(0, -*bodyShift);
    DrawBody(painter, colours, font, slot.top() + slot.height(), true);
    painter.restore();
}

// Rounded top corners, white on the left fading to the edge colour on the
// right; the fading half is left out without gradients.
void CTaskGroup::DrawHeader(QPainter &painter, const PaneColours &colours, const QFont &font,
                            const GroupButtons &buttons) const
{
    const int left = m_rect.left();
    const int right = m_rect.left() + m_rect.width();
    const int top = m_rect.top();
    const int bottom = HeaderBottom();
    const int middle = (left + right) / 2;
    const int diameter = 2 * kCornerRadius;

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPie(QRect(left, top, diameter, diameter), 90 * 16, 90 * 16);
    painter.setBrush(kHeaderEdge);
    painter.drawPie(QRect(right - diameter, top, diameter, diameter), 0, 90 * 16);
    painter.setBrush(Qt::NoBrush);

    painter.fillRect(EdgeRect(left + kEdgeInset, top, middle, bottom), Qt::white);
    painter.fillRect(EdgeRect(left, top + kCornerRadius, left + kEdgeInset, bottom), Qt::white);
    painter.fillRect(EdgeRect(right - kEdgeInset, top + kCornerRadius, right, bottom), kHeaderEdge);
    if (m_bGradient) {
        const QRect fading = EdgeRect(middle, top, right - kEdgeInset, bottom);
        QLinearGradient gradient(fading.left(), 0, fading.left() + fading.width(), 0);
        gradient.setColorAt(0, Qt::white);
        gradient.setColorAt(1, kHeaderEdge);
        painter.fillRect(fading, gradient);
    }

    const QPixmap &button = collapsed ? buttons.collapsed : buttons.expanded;
    painter.drawPixmap(right - kButtonFromRight, top + kButtonFromTop, button);

    QFont bold = font;
    bold.setWeight(QFont::Bold);
    painter.setFont(bold);
    painter.setPen(hovered ? colours.hover : colours.highlight);
    const QRect titleArea = EdgeRect(left + kTitleIndent, top, right - kEdgeInset, bottom);
    painter.drawText(titleArea, Qt::TextSingleLine | Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetrics(bold).elidedText(TaskPaneText(title), Qt::ElideRight, titleArea.width()));
}

// A white outline around the body colour, the links one below the other.
void CTaskGroup::DrawBody(QPainter &painter, const PaneColours &colours, const QFont &font, int bottom,
                          bool withLinks) const
{
    const QRect body = EdgeRect(m_rect.left(), HeaderBottom() - 1, m_rect.left() + m_rect.width(), bottom);
    painter.fillRect(body, Qt::white);
    painter.fillRect(body.adjusted(1, 1, -1, -1), colours.body);
    if (!withLinks)
        return;
    for (const CTaskLink &link : links)
        DrawLink(painter, link, colours, font);
}

void CTaskGroup::DrawLink(QPainter &painter, const CTaskLink &link, const PaneColours &colours,
                          const QFont &font) const
{
    const QColor colour = link.hovered ? colours.hover : colours.highlight;
    const QRect textArea = link.row.adjusted(kLinkIndent, 0, -kLinkIndent, 0);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(textArea, Qt::TextSingleLine | Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetrics(font).elidedText(TaskPaneText(link.text), Qt::ElideRight, textArea.width()));
    if (link.hovered)
        painter.fillRect(link.hit.left(), link.hit.bottom(), link.hit.width(), 1, colour);
}

} // namespace orrin
