// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/MenuResource.h"

#include <map>

namespace orrin {

namespace {

// Filled during static initialisation by the views' declarations, read later
// on the user-interface thread only.
std::map<int, MenuResource> &Menus()
{
    static std::map<int, MenuResource> menus;
    return menus;
}

} // namespace

bool RegisterMenu(const MenuResource &menu)
{
    return Menus().emplace(menu.id, menu).second;
}

const MenuResource *FindMenu(int id)
{
    const auto found = Menus().find(id);
    return found == Menus().end() ? nullptr : &found->second;
}

} // namespace orrin
