// SPDX-License-Identifier: GPL-2.0-or-later
#include "link/InterfaceRelay.h"

#include <QCoreApplication>
#include <QThread>

namespace orrin {
namespace {

// Not a window message: only a relay receives it, from itself.
constexpr int kRelayWake = WM_USER + 100;

} // namespace

bool OnInterfaceThread()
{
    const QCoreApplication *app = QCoreApplication::instance();
    return !app || QThread::currentThread() == app->thread();
}

CInterfaceRelay::CInterfaceRelay()
{
    moveToThread(QCoreApplication::instance()->thread());
}

void CInterfaceRelay::Wake()
{
    PostMessageTo(this, kRelayWake);
}

void CInterfaceRelay::OnMessage(int message, int wParam)
{
    Q_UNUSED(wParam);
    if (message == kRelayWake)
        OnWake();
}

} // namespace orrin
