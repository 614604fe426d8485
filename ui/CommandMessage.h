// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A command (a task-pane link, a menu item) on its way to a window: the
// desktop form of a posted WM_COMMAND. It is a CLinkEvent whose message number
// is WM_POSTED_COMMAND and whose wParam is the command id. The main frame
// routes it to the active view first, then to its own commands.

#include "link/Messages.h"

namespace orrin {

constexpr int WM_POSTED_COMMAND = WM_USER + 256;

// Posts the command id to the receiver, or to the main frame (g_hMainWnd)
// when the receiver is null. Dropped when there is neither.
void PostCommand(int commandId, QObject *receiver = nullptr);

} // namespace orrin
