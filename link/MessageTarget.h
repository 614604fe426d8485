// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The one way a window receives a posted or sent message (PostMessageTo,
// SendMessageTo): derive from CMessageTarget<its Qt base> and override
// OnMessage. Every other event goes to the Qt base as before.

#include "link/Messages.h"

namespace orrin {

template <class Base>
class CMessageTarget : public Base {
public:
    using Base::Base;

protected:
    // A message has arrived; the default ignores it.
    virtual void OnMessage(int message, int wParam)
    {
        Q_UNUSED(message);
        Q_UNUSED(wParam);
    }

    bool event(QEvent *event) override
    {
        if (auto *link = dynamic_cast<CLinkEvent *>(event)) {
            // Read before the call: the read marks the hand-over from the
            // posting thread, which may have made this very receiver.
            const int message = link->Message();
            const int wParam = link->WParam();
            OnMessage(message, wParam);
            return true;
        }
        return Base::event(event);
    }
};

} // namespace orrin
