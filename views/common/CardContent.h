// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The cards of the address-book and calendar views: one card per entry of
// the memory the view shows, laid out by the card grid's rule. A click
// selects; the right button on a card offers Modify and Delete; a double
// click modifies the selected card or, on empty space, starts a new entry.

#include "ui/TileGrid.h"

#include <QStringList>

#include <functional>

namespace orrin {

// What a card shows: its title, then its lines.
struct CardText {
    QString title;
    QStringList lines;
};

// The commands of a card view, by the ids of its kind of data.
struct CardCommands {
    int readPhone;
    int readLocal;
    int newEntry;
    int modify;
    int remove;
    int sync;
};

class CCardContent : public CTileGrid {
    Q_OBJECT
public:
    using CardSource = std::function<QList<CardText>()>;

    // name: the window text ("Addressbook Content").
    CCardContent(const QString &name, const TileGridStyle &style, const CardCommands &commands, CardSource cards,
                 QWidget *parent = nullptr);

signals:
    // A click has set the selection; onCard: a card is now selected.
    void Clicked(bool onCard);

protected:
    void MakeTiles() override;
    void OnClick(CTile *clicked, Qt::MouseButton button, const QPoint &globalPos) override;
    void OnDoubleClick(CTile *clicked, const QPoint &globalPos) override;

private:
    void ShowCardMenu(const QPoint &globalPos);

    CardCommands m_commands;
    CardSource m_cards;
};

} // namespace orrin
