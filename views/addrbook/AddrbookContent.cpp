// SPDX-License-Identifier: GPL-2.0-or-later
#include "views/addrbook/AddrbookContent.h"

#include "ui/CardTile.h"
#include "ui/CommandMessage.h"

#include <QMenu>

namespace orrin {

CAddrbookContent::CAddrbookContent(const TileGridStyle &style, const AddrbookCommands &commands, CardSource cards,
                                   QWidget *parent)
    : CTileGrid(style, parent), m_commands(commands), m_cards(std::move(cards))
{
    setObjectName(QStringLiteral("Addressbook Content"));
    setWindowTitle(objectName());
}

void CAddrbookContent::MakeTiles()
{
    for (const AddrbookCard &card : m_cards())
        AddTile(new CCardTile(card.title, card.lines));
}

void CAddrbookContent::OnClick(CTile *clicked, Qt::MouseButton button, const QPoint &globalPos)
{
    emit Clicked(clicked != nullptr);
    if (clicked && button == Qt::RightButton)
        ShowCardMenu(globalPos);
}

// The first click of the double click has already set the selection. The
// command goes through the frame's queue, once the click is over.
void CAddrbookContent::OnDoubleClick(CTile *, const QPoint &)
{
    PostCommand(SelectedTile() ? m_commands.modify : m_commands.newEntry);
}

void CAddrbookContent::ShowCardMenu(const QPoint &globalPos)
{
    QMenu menu(this);
    menu.addAction(QStringLiteral("Modify"))->setData(m_commands.modify);
    menu.addAction(QStringLiteral("Delete"))->setData(m_commands.remove);
    if (const QAction *chosen = menu.exec(globalPos))
        PostCommand(chosen->data().toInt());
}

} // namespace orrin
