// SPDX-License-Identifier: GPL-2.0-or-later
#include "link/SharedState.h"

std::atomic<int> g_nCommand{0};
std::atomic<int> g_bBusy{0};
std::atomic<int> g_bConnected{0};
std::atomic<int> g_nMemory{0};
std::atomic<int> g_nProgress{0};
std::atomic<int> g_nBaudRate{0};
orrin::CSharedText g_strLastError;
orrin::CSharedText g_strPortName;
orrin::CSharedText g_strPhoneType;
orrin::CSharedText g_strCountry;
orrin::CSharedText g_strWorkDir;
orrin::CSharedObject g_hMainWnd;
orrin::CStopEvent g_evStop;
orrin::CWorkerWake g_workerWake;

namespace orrin {

std::mutex &SharedTextMutex()
{
    static std::mutex mutex;
    return mutex;
}

QString CSharedText::Get() const
{
    std::lock_guard lock(SharedTextMutex());
    return m_text;
}

void CSharedText::Set(const QString &text)
{
    std::lock_guard lock(SharedTextMutex());
    m_text = text;
}

QObject *CSharedObject::Get() const
{
    std::lock_guard lock(SharedTextMutex());
    return m_object;
}

void CSharedObject::Set(QObject *object)
{
    std::lock_guard lock(SharedTextMutex());
    m_object = object;
}

unsigned CWorkerWake::Generation() const
{
    std::lock_guard lock(m_mutex);
    return m_generation;
}

void CWorkerWake::Notify()
{
    {
        std::lock_guard lock(m_mutex);
        ++m_generation;
    }
    m_cv.notify_all();
}

void CWorkerWake::WaitPast(unsigned seen, std::chrono::milliseconds timeout)
{
    std::unique_lock lock(m_mutex);
    m_cv.wait_for(lock, timeout, [&] { return m_generation != seen; });
}

void CStopEvent::Set()
{
    m_set.store(true);
    g_workerWake.Notify();
}

void CStopEvent::Reset()
{
    m_set.store(false);
}

bool CStopEvent::TestAndClear()
{
    return m_set.exchange(false);
}

} // namespace orrin
