// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The cards of an address-book view: one card per entry of the memory the
// view shows, laid out by the card grid's rule. A click selects; the right
// button on a card offers Modify and Delete; a double click modifies the
// selected card or, on empty space, starts a new entry.

#include "ui/TileGrid.h"

#include <QStringList>

#include <functional>

namespace orrin {

// What a card shows: the entry's name as its title, then its lines.
struct AddrbookCard {
    QString title;
    QStringList lines;
};

// The commands of an address-book view, by the ids of its family.
struct AddrbookCommands {
    int readPhone;
    int readLocal;
    int newEntry;
    int modify;
    int remove;
    int sync;
};

class CAddrbookContent : public CTileGrid {
    Q_OBJECT
public:
    using CardSource = std::function<QList<AddrbookCard>()>;

    CAddrbookContent(const TileGridStyle &style, const AddrbookCommands &commands, CardSource cards,
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

    AddrbookCommands m_commands;
    CardSource m_cards;
};

} // namespace orrin
