// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Menus described in code, by number, the way a view declares the commands of
// its task pane:
//
//   const bool registered = RegisterMenu({145, {
//       {"Addressbook", {{"Read from phone", 32805}, {"Read from local", 32806}}},
//       {"Operation", {{"New addressbook", 32807}, {"Sync to local", 32810}}},
//   }});
//
// and later CTaskPane::LoadMenu(145) makes one group per popup.

#include <QList>
#include <QString>

namespace orrin {

struct MenuItem {
    QString text;
    int commandId;
};

struct MenuPopup {
    QString title;
    QList<MenuItem> items;
};

struct MenuResource {
    int id;
    QList<MenuPopup> popups;
};

// Makes the menu available under its number. A number already taken keeps
// its first menu and the call returns false.
bool RegisterMenu(const MenuResource &menu);

// The menu of that number, or null when none is registered.
const MenuResource *FindMenu(int id);

} // namespace orrin
