// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What a view shows, read the way the user reads it: its header bar's text
// and its task pane's links. A dialog's or view's controls are found by their
// control ids (FindControl in ui/ControlId.h).

#include "ui/ControlId.h"
#include "ui/HeaderBar.h"
#include "ui/TaskPane.h"

#include <QStringList>
#include <QWidget>

namespace orrin::test {

// The text of the view's header bar, the first one it holds.
inline QString HeaderTitle(const QWidget &view)
{
    const CHeaderBar *header = view.findChild<CHeaderBar *>();
    return header ? header->Title() : QString();
}

// The links of the view's task-pane group, as "text=id".
inline QStringList TaskLinks(const QWidget &view, int group)
{
    QStringList links;
    if (const CTaskGroup *found = view.findChild<CTaskPane *>()->Group(group)) {
        for (const CTaskLink &link : found->links)
            links << QStringLiteral("%1=%2").arg(link.text).arg(link.commandId);
    }
    return links;
}

} // namespace orrin::test
