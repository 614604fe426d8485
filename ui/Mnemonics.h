// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Keyboard mnemonics (the underlined letter of "&Modify") for menus whose
// texts are not written with one, such as the popups built from a view's
// commands, in whatever language they are shown.

#include <QStringList>

class QAction;
class QPoint;
class QWidget;

namespace orrin {

struct MenuItem;

// The texts, each one without a mnemonic given the first letter or digit no
// other text of the list has taken; a text whose letters are all taken keeps
// none. Texts that have one keep it.
QStringList WithMnemonics(const QStringList &texts);

// The mnemonic letters of the items of a menu or menu bar, lower case, in
// item order; a space for an item without one. Separators are left out.
QString MnemonicsOf(const QList<QAction *> &items);

// Pops up a menu of the items at globalPos, their task-pane texts translated
// and given mnemonics, with the keys the parent gave their commands; the
// chosen item's command id, or 0 when none was chosen.
int RunItemMenu(QWidget *parent, const QList<MenuItem> &items, const QPoint &globalPos);

} // namespace orrin
