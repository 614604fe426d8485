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
        if (auto *message = dynamic_cast<CLinkEvent *>(event)) {
            OnMessage(message->Message(), message->WParam());
            return true;
        }
        return Base::event(event);
    }
};

} // namespace orrin
