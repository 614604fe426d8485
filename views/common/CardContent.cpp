// SPDX-License-Identifier: GPL-2.0-or-later
#include "views/common/CardContent.h"

#include "ui/CardTile.h"
#include "ui/CommandMessage.h"
#include "ui/MenuResource.h"
#include "ui/Mnemonics.h"

namespace orrin {

CCardContent::CCardContent(const QString &name, const TileGridStyle &style, const CardCommands &commands,
                           CardSource cards, QWidget *parent)
    : CTileGrid(style, parent), m_commands(commands), m_cards(std::move(cards))
{
    setObjectName(name);
    setWindowTitle(objectName());
}

void CCardContent::MakeTiles()
{
    for (const CardText &card : m_cards())
        AddTile(new CCardTile(card.title, card.lines));
}

void CCardContent::OnClick(CTile *clicked, Qt::MouseButton button, const QPoint &globalPos)
{
    emit Clicked(clicked != nullptr);
    if (clicked && button == Qt::RightButton)
        ShowCardMenu(globalPos);
}

// The first click of the double click has already set the selection. The
// command goes through the frame's queue, once the click is over.
void CCardContent::OnDoubleClick(CTile *, const QPoint &)
{
    PostCommand(SelectedTile() ? m_commands.modify : m_commands.newEntry);
}

void CCardContent::ShowCardMenu(const QPoint &globalPos)
{
    const QList<MenuItem> items{{QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Modify")), m_commands.modify},
                                {QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Delete")), m_commands.remove}};
    if (const int chosen = RunItemMenu(this, items, globalPos))
        PostCommand(chosen);
}

} // namespace orrin
