// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Process-wide state shared by the user-interface thread and the worker.
//
// Integers are atomics: a window fills a store's work records first and writes
// g_nCommand last (release); the worker reads it (acquire). Texts and the main
// frame's handle are read and written under one mutex through small accessors.

#include <QObject>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <chrono>
#include <mutex>

namespace orrin {

// Memory values of g_nMemory.
enum Memory : int { kPhoneMemory = 1, kSimCard = 2, kLocalFile = 3 };

// The one mutex behind every shared text.
std::mutex &SharedTextMutex();

class CSharedText {
public:
    QString Get() const;
    void Set(const QString &text);

private:
    QString m_text;
};

// A window handle. The main frame outlives the worker (it joins the worker
// before it destroys itself), so a plain pointer is enough.
class CSharedObject {
public:
    QObject *Get() const;
    void Set(QObject *object);

private:
    QObject *m_object = nullptr;
};

// Wakes the worker: a command written or the stop event set. The worker waits
// for a generation other than the one it last saw, or for its poll timeout.
class CWorkerWake {
public:
    unsigned Generation() const;
    void Notify();
    void WaitPast(unsigned seen, std::chrono::milliseconds timeout);

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_cv;
    unsigned m_generation = 0;
};

// Auto-reset event, initially clear; set when the application exits.
class CStopEvent {
public:
    void Set();
    void Reset();
    // Tests without waiting; a set event is consumed (auto-reset).
    bool TestAndClear();

private:
    std::atomic<bool> m_set{false};
};

} // namespace orrin

extern std::atomic<int> g_nCommand;
extern std::atomic<int> g_bBusy;
extern std::atomic<int> g_bConnected;
extern std::atomic<int> g_nMemory;
extern std::atomic<int> g_nProgress;
extern std::atomic<int> g_nBaudRate;
extern orrin::CSharedText g_strLastError;
extern orrin::CSharedText g_strPortName;
extern orrin::CSharedText g_strPhoneType;
extern orrin::CSharedText g_strCountry;
extern orrin::CSharedText g_strWorkDir;
extern orrin::CSharedObject g_hMainWnd;
extern orrin::CStopEvent g_evStop;
extern orrin::CWorkerWake g_workerWake;
