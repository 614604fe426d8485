// SPDX-License-Identifier: GPL-2.0-or-later
#include "link/Messages.h"

#include <QCoreApplication>

namespace orrin {

void PostMessageTo(QObject *receiver, int message, int wParam)
{
    if (!receiver)
        return;
    auto *event = new CLinkEvent(message, wParam);
    TsanRelease(event);
    QCoreApplication::postEvent(receiver, event);
}

void SendMessageTo(QObject *receiver, int message, int wParam)
{
    if (!receiver)
        return;
    CLinkEvent event(message, wParam);
    QCoreApplication::sendEvent(receiver, &event);
}

} // namespace orrin
