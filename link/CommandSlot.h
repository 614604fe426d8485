// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Writing commands into the slot, and which store serves which view.
//
// A store command is recorded together with the view that wrote it and that
// view's store, and the worker runs it there: a user who switches views before
// the worker's next pass must not see a delete run on another store's
// selection. g_nCommand keeps its meaning as the slot itself.

#include <QMetaObject>
#include <QObject>

namespace orrin {

class CMobileLink;

// Each view class names its store once, at start-up, in the order the worker
// tests the active view's class when a code arrives without a recorded view.
void RegisterViewStore(const QMetaObject &viewClass, CMobileLink &store);

// The store registered for the view's class (or a base class), or null.
CMobileLink *StoreForView(const QObject *view);

struct CommandTarget {
    int code = 0;
    QObject *view = nullptr;
    CMobileLink *store = nullptr;
};

// Writes a connection code (detect, connect, disconnect) and wakes the worker.
void WriteCommand(int code);

// Records the view and its store, then writes the code (last) and wakes the
// worker. A view without a registered store writes nothing and gets false.
bool WriteStoreCommand(QObject *view, int code);

// The view and store recorded with the code; empty when that code was
// written without them.
CommandTarget RecordedTarget(int code);

} // namespace orrin
