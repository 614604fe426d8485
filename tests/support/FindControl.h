// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Finds a dialog's or view's child control the way the windows name it: by
// its numeric control id.

#include "ui/ControlId.h"
#include "ui/HeaderBar.h"

#include <QWidget>

namespace orrin::test {

// The child of the given type with the control id, or null when none has it.
template <class Widget>
Widget *Control(const QWidget &root, int id)
{
    for (Widget *child : root.findChildren<Widget *>()) {
        if (ControlId(child) == id)
            return child;
    }
    return nullptr;
}

// The text of the view's header bar, the first one it holds.
inline QString HeaderTitle(const QWidget &view)
{
    const CHeaderBar *header = view.findChild<CHeaderBar *>();
    return header ? header->Title() : QString();
}

} // namespace orrin::test
