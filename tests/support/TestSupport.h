// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Helpers shared by the tests: waiting on events, recording message boxes,
// receiving window messages.

#include "link/MessageBox.h"
#include "link/Messages.h"
#include "link/SharedState.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QList>
#include <QStringList>
#include <QObject>
#include <QThread>

#include <functional>
#include <mutex>

namespace orrin::test {

// Puts the process-wide state back to how the program starts.
inline void ResetSharedState()
{
    g_nCommand.store(0);
    g_bBusy.store(0);
    g_bConnected.store(0);
    g_nMemory.store(0);
    g_nProgress.store(0);
    g_nBaudRate.store(0);
    g_strLastError.Set({});
    g_strPortName.Set({});
    g_strPhoneType.Set({});
    g_strCountry.Set({});
    g_strWorkDir.Set({});
    g_hMainWnd.Set(nullptr);
    g_evStop.Reset();
}

// Processes events until the condition holds or the time is up.
inline bool WaitUntil(const std::function<bool()> &condition, int timeoutMs = 5000)
{
    QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (condition())
            return true;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(1);
    }
}

// Lets events run for a while; for checking that something does not happen.
inline void Settle(int ms)
{
    WaitUntil([] { return false; }, ms);
}

struct ReceivedMessage {
    int message;
    int wParam;
};

// A window that keeps every message it receives.
class CMessageSink : public QObject {
public:
    using QObject::QObject;
    QList<ReceivedMessage> received;

    bool Has(int message) const { return Count(message) > 0; }
    int Count(int message) const
    {
        int n = 0;
        for (const ReceivedMessage &m : received)
            n += m.message == message;
        return n;
    }
    int LastWParam(int message) const
    {
        for (auto it = received.crbegin(); it != received.crend(); ++it) {
            if (it->message == message)
                return it->wParam;
        }
        return -1;
    }

protected:
    bool event(QEvent *e) override
    {
        if (auto *link = dynamic_cast<CLinkEvent *>(e)) {
            received.append({link->Message(), link->WParam()});
            return true;
        }
        return QObject::event(e);
    }
};

// Records message boxes and answers them; restores the handler at the end.
class CBoxRecorder {
public:
    explicit CBoxRecorder(int answer = kIdOk) : m_answer(answer)
    {
        m_previous = SetMessageBoxHandler([this](const BoxRequest &request) {
            std::lock_guard lock(m_mutex);
            m_boxes.append(request);
            m_onGuiThread.append(QThread::currentThread() == QCoreApplication::instance()->thread());
            return m_answer;
        });
    }
    ~CBoxRecorder() { SetMessageBoxHandler(m_previous); }

    QList<BoxRequest> Boxes() const
    {
        std::lock_guard lock(m_mutex);
        return m_boxes;
    }
    // The texts of the boxes shown, in order.
    QStringList Texts() const
    {
        std::lock_guard lock(m_mutex);
        QStringList texts;
        for (const BoxRequest &box : m_boxes)
            texts << box.text;
        return texts;
    }
    QList<bool> OnGuiThread() const
    {
        std::lock_guard lock(m_mutex);
        return m_onGuiThread;
    }

private:
    int m_answer;
    BoxHandler m_previous;
    mutable std::mutex m_mutex;
    QList<BoxRequest> m_boxes;
    QList<bool> m_onGuiThread;
};

} // namespace orrin::test
