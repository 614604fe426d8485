// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The one worker thread through which every phone exchange passes.

#include "link/SharedState.h"

#include <QObject>

#include <atomic>
#include <chrono>
#include <thread>

namespace orrin {

class CMobileLink;

// How long an idle pass sleeps when nothing wakes it.
constexpr std::chrono::milliseconds kWorkerPollInterval{100};

// What the worker needs from the main frame: the frame itself (to which
// connection results are posted) and its active view, which the frame keeps
// up to date as it switches views.
struct WorkerContext {
    QObject *mainFrame = nullptr;
    const CSharedObject *activeView = nullptr;
    CMobileLink *link = nullptr;
};

// Runs passes until g_evStop is set; returns 0.
int WorkerThreadProc(const WorkerContext &context);

// Owns the worker thread of a main frame.
class CWorkerThread {
public:
    explicit CWorkerThread(const WorkerContext &context);
    ~CWorkerThread();

    void Start();
    // Sets g_evStop and waits for the pass in progress to end. The wait keeps
    // the user-interface thread's events flowing, so a message box that the
    // worker shows can still be answered.
    void Stop();

private:
    WorkerContext m_context;
    std::thread m_thread;
    std::atomic<bool> m_finished{false};
};

} // namespace orrin
