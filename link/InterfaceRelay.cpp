// SPDX-License-Identifier: GPL-2.0-or-later
#include "link/InterfaceRelay.h"

#include <QCoreApplication>
#include <QThread>

namespace orrin {

bool OnInterfaceThread()
{
    const QCoreApplication *app = QCoreApplication::instance();
    return !app || QThread::currentThread() == app->thread();
}

CInterfaceRelay::CInterfaceRelay()
{
    moveToThread(QCoreApplication::instance()->thread());
}

} // namespace orrin
