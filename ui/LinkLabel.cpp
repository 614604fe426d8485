// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/LinkLabel.h"

#include "ui/Look.h"
#include "link/Messages.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>

namespace orrin {

CLinkLabel::CLinkLabel(const QString &text, int message, QWidget *parent)
    : QWidget(parent), m_strText(text), m_nMessage(message)
{
    setMouseTracking(true);
    setCursor(HandCursor());
    m_hoverTimer.setInterval(kHoverCheckMs);
    connect(&m_hoverTimer, &QTimer::timeout, this, &CLinkLabel::CheckPointer);
}

void CLinkLabel::SetText(const QString &text)
{
    m_strText = text;
    update();
}

void CLinkLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect area = rect().adjusted(1, 1, -1, -1);
    painter.fillRect(area, Qt::white);
    QFont font = DialogFont(kFontHeight);
    font.setUnderline(m_bHovered);
    painter.setFont(font);
    const QColor highlight = palette().color(QPalette::Highlight);
    painter.setPen(m_bHovered ? Lighten(highlight, kHoverLight) : highlight);
    painter.drawText(area, Qt::TextSingleLine | Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetrics(font).elidedText(m_strText, Qt::ElideRight, area.width()));
}

// The pointer may leave without another move reaching the label; the timer
// looks where it is until it has gone.
void CLinkLabel::mouseMoveEvent(QMouseEvent *)
{
    if (!m_bHovered) {
        m_bHovered = true;
        update();
    }
    m_hoverTimer.start();
}

void CLinkLabel::CheckPointer()
{
    if (rect().contains(mapFromGlobal(QCursor::pos())))
        return;
    m_bHovered = false;
    m_hoverTimer.stop();
    update();
}

void CLinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        PostMessageTo(parentWidget(), m_nMessage, 0);
}

CTextPanel::CTextPanel(QWidget *parent) : QWidget(parent) {}

void CTextPanel::SetText(const QString &text)
{
    m_strText = text;
    update();
}

void CTextPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setFont(DialogFont(kFontHeight));
    painter.setPen(Qt::black);
    painter.drawText(rect().adjusted(kInset, kInset, -kInset, -kInset), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     m_strText);
}

} // namespace orrin
