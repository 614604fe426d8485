// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Changing the wait window's text while a store works. A store runs on the
// worker thread and must not touch windows, so it calls SetWaitText and the
// shell installs the function that carries the text over to its wait window
// (the handler is called on the calling thread, usually the worker, and must
// pass the text on to the user-interface thread itself). Until a handler is
// installed the text goes nowhere.

#include <QString>

#include <functional>

namespace orrin {

using WaitTextHandler = std::function<void(const QString &)>;

// Installs a handler; returns the one it replaces. An empty handler drops texts.
WaitTextHandler SetWaitTextHandler(WaitTextHandler handler);

// Replaces the text of the wait window that is shown, if any.
void SetWaitText(const QString &text);

} // namespace orrin
