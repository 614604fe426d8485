// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Carries calls asked for on another thread over to the user-interface
// thread. What a call needs travels under the relay's own lock; Qt carries
// only a bare wake-up message (PostMessageTo), which marks the hand-over for
// the thread sanitizer, since it cannot see the locks of Qt's queue. A relay
// derives from CInterfaceRelay, is made by TheRelay() and does its work in
// OnWake.

#include "link/MessageTarget.h"

#include <QObject>

namespace orrin {

// True on the user-interface thread, and before the application exists.
bool OnInterfaceThread();

class CInterfaceRelay : public CMessageTarget<QObject> {
protected:
    // Made on any thread once the application exists; lives on its thread.
    CInterfaceRelay();

    // Queues a call of OnWake on the user-interface thread.
    void Wake();
    virtual void OnWake() = 0;

private:
    void OnMessage(int message, int wParam) override;
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
