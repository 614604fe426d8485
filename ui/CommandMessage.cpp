// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/CommandMessage.h"

#include "link/SharedState.h"

namespace orrin {

void PostCommand(int commandId, QObject *receiver)
{
    PostMessageTo(receiver ? receiver : g_hMainWnd.Get(), WM_POSTED_COMMAND, commandId);
}

} // namespace orrin
