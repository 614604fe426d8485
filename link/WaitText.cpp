// SPDX-License-Identifier: GPL-2.0-or-later
#include "link/WaitText.h"

#include <mutex>

namespace orrin {
namespace {

std::mutex g_waitTextMutex;
WaitTextHandler g_waitTextHandler;

WaitTextHandler Handler()
{
    std::lock_guard lock(g_waitTextMutex);
    return g_waitTextHandler;
}

} // namespace

WaitTextHandler SetWaitTextHandler(WaitTextHandler handler)
{
    std::lock_guard lock(g_waitTextMutex);
    WaitTextHandler previous = std::move(g_waitTextHandler);
    g_waitTextHandler = std::move(handler);
    return previous;
}

void SetWaitText(const QString &text)
{
    if (const WaitTextHandler handler = Handler())
        handler(text);
}

} // namespace orrin
