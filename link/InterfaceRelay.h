// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Carries calls asked for on another thread over to the user-interface
// thread. What a call needs travels under the relay's own lock; Qt carries
// only the bare call, through a queue whose locks the thread sanitizer cannot
// see. A relay derives from CInterfaceRelay and wakes its own member.

#include <QMetaObject>
#include <QObject>

namespace orrin {

// True on the user-interface thread, and before the application exists.
bool OnInterfaceThread();

class CInterfaceRelay : public QObject {
protected:
    // Made on any thread once the application exists; lives on its thread.
    CInterfaceRelay();

    // Queues a call of the relay's member on the user-interface thread.
    template <class Relay>
    void Wake(void (Relay::*member)())
    {
        QMetaObject::invokeMethod(static_cast<Relay *>(this), member, Qt::QueuedConnection);
    }
};

// The process's one relay of the class, made on first use and kept until
// the process ends, so a late call never finds it gone.
template <class Relay>
Relay &TheRelay()
{
    static Relay *relay = new Relay;
    return *relay;
}

} // namespace orrin
