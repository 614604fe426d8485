// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/Mnemonics.h"

#include "ui/MenuResource.h"
#include "ui/TaskGroup.h"

#include <QMenu>

namespace orrin {
namespace {

// The position of the letter after a single '&', or -1.
qsizetype MnemonicPosition(const QString &text)
{
    for (qsizetype at = 0; at + 1 < text.size(); ++at) {
        if (text[at] != QLatin1Char('&'))
            continue;
        if (text[at + 1] != QLatin1Char('&'))
            return at + 1;
        ++at; // "&&" is an ampersand shown as it is
    }
    return -1;
}

// The key the parent gave the command (CTaskPane::AddShortcut), or none.
QKeySequence ShortcutOf(const QWidget *parent, int commandId)
{
    if (parent) {
        for (const QAction *action : parent->actions()) {
            if (action->data() == commandId)
                return action->shortcut();
        }
    }
    return {};
}

} // namespace

QStringList WithMnemonics(const QStringList &texts)
{
    QString taken;
    for (const QString &text : texts) {
        const qsizetype at = MnemonicPosition(text);
        if (at >= 0)
            taken += text[at].toLower();
    }
    QStringList result;
    for (const QString &text : texts) {
        QString shown = text;
        if (MnemonicPosition(text) < 0) {
            for (qsizetype at = 0; at < text.size(); ++at) {
                const QChar letter = text[at].toLower();
                if (letter.isLetterOrNumber() && !taken.contains(letter)) {
                    taken += letter;
                    shown.insert(at, QLatin1Char('&'));
                    break;
                }
            }
        }
        result << shown;
    }
    return result;
}

QString MnemonicsOf(const QList<QAction *> &items)
{
    QString letters;
    for (const QAction *action : items) {
        if (action->isSeparator())
            continue;
        const qsizetype at = MnemonicPosition(action->text());
        letters += at < 0 ? QLatin1Char(' ') : action->text()[at].toLower();
    }
    return letters;
}

int RunItemMenu(QWidget *parent, const QList<MenuItem> &items, const QPoint &globalPos)
{
    QStringList texts;
    for (const MenuItem &item : items)
        texts << TaskPaneText(item.text);
    texts = WithMnemonics(texts);
    QMenu menu(parent);
    for (qsizetype i = 0; i < items.size(); ++i) {
        QAction *action = menu.addAction(texts[i]);
        action->setData(items[i].commandId);
        action->setShortcut(ShortcutOf(parent, items[i].commandId));
    }
    const QAction *chosen = menu.exec(globalPos);
    return chosen ? chosen->data().toInt() : 0;
}

} // namespace orrin
