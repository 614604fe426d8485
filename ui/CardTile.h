// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A tile that shows a card: under its caption strip, lines of text of one
// line height each, cut at the card's edge. The address-book cards of both
// families are such tiles.

#include "ui/Tile.h"

#include <QStringList>

namespace orrin {

class CCardTile : public CTile {
    Q_OBJECT
public:
    static constexpr int kLineHeight = 20;
    static constexpr int kLineFontHeight = 15;

    CCardTile(const QString &caption, const QStringList &lines);

    QStringList Lines() const { return m_lines; }

    // Where the lines of a card drawn at rect go: the body inset once more.
    static QRect LinesArea(const QRect &rect);

protected:
    void DrawBody(QPainter &painter, const QRect &body) const override;

private:
    QStringList m_lines;
};

} // namespace orrin
