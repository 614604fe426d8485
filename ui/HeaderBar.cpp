// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/HeaderBar.h"

#include "ui/Look.h"

#include <QLinearGradient>
#include <QPainter>

namespace orrin {

CHeaderBar::CHeaderBar(const QString &title, QWidget *parent)
    : QWidget(parent)
    , m_strTitle(title)
    , m_textColour(palette().color(QPalette::HighlightedText))
    , m_bGradient(GradientFillAvailable())
{
}

void CHeaderBar::SetTitle(const QString &title)
{
    m_strTitle = title;
    update();
}

void CHeaderBar::SetTextColour(const QColor &colour)
{
    m_textColour = colour;
    update();
}

void CHeaderBar::SetCentred(bool centred)
{
    m_bCentred = centred;
    update();
}

// Without the gradient nothing is painted behind the text, so the text takes
// the button-text colour, which stays readable on a plain background.
void CHeaderBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QColor textColour = palette().color(QPalette::ButtonText);
    if (m_bGradient) {
        const QRect area = EdgeRect(0, 0, width() - 1, height() - 1);
        QLinearGradient gradient(area.left(), 0, area.left() + area.width(), 0);
        gradient.setColorAt(0, palette().color(QPalette::Highlight));
        gradient.setColorAt(1, Qt::white);
        painter.fillRect(area, gradient);
        textColour = m_textColour;
    }
    painter.setPen(textColour);
    const int flags = Qt::TextSingleLine | Qt::AlignVCenter | (m_bCentred ? Qt::AlignHCenter : Qt::AlignLeft);
    const QRect textArea = m_bCentred ? rect() : rect().adjusted(kIndent, 0, 0, 0);
    painter.drawText(textArea, flags, m_strTitle);
}

} // namespace orrin
