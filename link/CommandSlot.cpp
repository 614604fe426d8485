// SPDX-License-Identifier: GPL-2.0-or-later
#include "link/CommandSlot.h"

#include "link/SharedState.h"

#include <mutex>
#include <vector>

namespace orrin {
namespace {

struct ViewStore {
    const QMetaObject *viewClass;
    CMobileLink *store;
};

std::mutex g_slotMutex;
std::vector<ViewStore> g_viewStores;
CommandTarget g_target;

void WriteSlot(const CommandTarget &target, int code)
{
    {
        std::lock_guard lock(g_slotMutex);
        g_target = target;
    }
    g_nCommand.store(code, std::memory_order_release);
    g_workerWake.Notify();
}

} // namespace

void RegisterViewStore(const QMetaObject &viewClass, CMobileLink &store)
{
    std::lock_guard lock(g_slotMutex);
    for (ViewStore &entry : g_viewStores) {
        if (entry.viewClass == &viewClass) {
            entry.store = &store;
            return;
        }
    }
    g_viewStores.push_back({&viewClass, &store});
}

CMobileLink *StoreForView(const QObject *view)
{
    if (!view)
        return nullptr;
    std::lock_guard lock(g_slotMutex);
    for (const ViewStore &entry : g_viewStores) {
        if (view->metaObject()->inherits(entry.viewClass))
            return entry.store;
    }
    return nullptr;
}

void WriteCommand(int code)
{
    WriteSlot({code, nullptr, nullptr}, code);
}

bool WriteStoreCommand(QObject *view, int code)
{
    CMobileLink *store = StoreForView(view);
    if (!store)
        return false;
    WriteSlot({code, view, store}, code);
    return true;
}

CommandTarget RecordedTarget(int code)
{
    std::lock_guard lock(g_slotMutex);
    return g_target.code == code ? g_target : CommandTarget{code, nullptr, nullptr};
}

} // namespace orrin
