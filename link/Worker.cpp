// SPDX-License-Identifier: GPL-2.0-or-later
#include "link/Worker.h"

#include "link/CommandSlot.h"
#include "link/Messages.h"
#include "link/MobileLink.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>

namespace orrin {
namespace {

void RunDetect(const WorkerContext &context)
{
    g_bBusy.store(1);
    g_bConnected.store(1);
    const int found = context.link->DetectPort();
    g_bConnected.store(0);
    g_bBusy.store(0);
    PostMessageTo(context.mainFrame, WM_LINK_RESULT, found ? kLinkOk : kLinkNoPortFound);
    g_nCommand.store(0);
}

void RunConnect(const WorkerContext &context)
{
    g_bBusy.store(1);
    context.link->SetPhoneFamily();
    const int opened = context.link->OpenPort();
    if (opened)
        context.link->ConnectInfrared();
    g_bBusy.store(0);
    g_nCommand.store(0);
    PostMessageTo(context.mainFrame, WM_LINK_RESULT, opened ? kLinkOk : kLinkOpenFailed);
}

void RunDisconnect(const WorkerContext &context)
{
    const bool closed = context.link->ClosePort() == 1 && context.link->CloseInfrared() == 1;
    PostMessageTo(context.mainFrame, WM_LINK_RESULT, closed ? kLinkOk : kLinkCloseFailed);
    g_nCommand.store(0);
}

// Runs a store code on the store it was written for, or else on the store of
// the active view. Returns false when no store takes it: it stays in the slot.
bool RunStoreCommand(const WorkerContext &context, int code)
{
    CommandTarget target = RecordedTarget(code);
    if (!target.store) {
        target.view = context.activeView ? context.activeView->Get() : nullptr;
        target.store = StoreForView(target.view);
    }
    if (!target.store)
        return false;
    target.store->RunOperation(target.view, code);
    return g_nCommand.load() != code;
}

} // namespace

int WorkerThreadProc(const WorkerContext &context)
{
    while (!g_evStop.TestAndClear()) {
        g_hMainWnd.Set(context.mainFrame);
        const unsigned seen = g_workerWake.Generation();
        const int code = g_nCommand.load(std::memory_order_acquire);
        bool handled = true;
        switch (code) {
        case 0:
            handled = false;
            break;
        case kCommandDetect:
            RunDetect(context);
            break;
        case kCommandConnect:
            RunConnect(context);
            break;
        case kCommandDisconnect:
            RunDisconnect(context);
            break;
        default:
            handled = RunStoreCommand(context, code);
            break;
        }
        if (!handled)
            g_workerWake.WaitPast(seen, kWorkerPollInterval);
    }
    return 0;
}

CWorkerThread::CWorkerThread(const WorkerContext &context) : m_context(context) {}

CWorkerThread::~CWorkerThread()
{
    Stop();
}

void CWorkerThread::Start()
{
    if (m_thread.joinable())
        return;
    g_evStop.Reset();
    m_finished.store(false);
    m_thread = std::thread([this] {
        WorkerThreadProc(m_context);
        m_finished.store(true);
        g_workerWake.Notify();
    });
}

void CWorkerThread::Stop()
{
    if (!m_thread.joinable())
        return;
    g_evStop.Set();
    QCoreApplication *app = QCoreApplication::instance();
    const bool pumpEvents = app && QThread::currentThread() == app->thread();
    while (!m_finished.load()) {
        if (pumpEvents)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        const unsigned seen = g_workerWake.Generation();
        if (!m_finished.load())
            g_workerWake.WaitPast(seen, std::chrono::milliseconds(10));
    }
    m_thread.join();
}

} // namespace orrin
