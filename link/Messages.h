// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Message numbers and the event that carries a message's wParam to a window.

#include "link/TsanAnnotations.h"

#include <QEvent>
#include <QObject>

namespace orrin {

constexpr int WM_USER = 1024;
constexpr int WM_INFO_DONE = WM_USER + 2;
constexpr int WM_SMS_DONE = WM_USER + 3;
constexpr int WM_SMS_SENT = WM_USER + 4;
constexpr int WM_TELEBOOK_DONE = WM_USER + 5;
constexpr int WM_ADDRBOOK_DONE = WM_USER + 6;
constexpr int WM_PICTURE_DONE = WM_USER + 7;
constexpr int WM_RINGTONE_DONE = WM_USER + 8;
constexpr int WM_CALENDAR_DONE = WM_USER + 9;
constexpr int WM_LINK_RESULT = WM_USER + 10;
constexpr int WM_PICTURE_UPLOADED = WM_USER + 12;
constexpr int WM_RINGTONE_UPLOADED = WM_USER + 13;
constexpr int WM_S57ADDRBOOK_DONE = WM_USER + 14;
constexpr int WM_OPERATION_FAILED = WM_USER + 15;

// wParam values of WM_LINK_RESULT.
enum LinkResult : int {
    kLinkOk = 0,
    kLinkNoPortFound = 1,
    kLinkOpenFailed = 2,
    kLinkCloseFailed = 3,
    kLinkNotConnected = 4,
};

// Command codes of the connection.
constexpr int kCommandDetect = 100;
constexpr int kCommandConnect = 101;
constexpr int kCommandDisconnect = 102;

// A window message: its number is the event type, wParam travels with it.
// Posted events cross threads through Qt's queue, whose locks the thread
// sanitizer cannot see; the event marks the hand-over itself.
class CLinkEvent : public QEvent {
public:
    CLinkEvent(int message, int wParam)
        : QEvent(static_cast<QEvent::Type>(message)), m_wParam(wParam) {}
    ~CLinkEvent() override { TsanAcquire(this); }
    int Message() const
    {
        TsanAcquire(this);
        return static_cast<int>(type());
    }
    int WParam() const
    {
        TsanAcquire(this);
        return m_wParam;
    }

private:
    int m_wParam;
};

// Queues the message for the receiver's thread; safe from any thread.
// A null receiver drops the message.
void PostMessageTo(QObject *receiver, int message, int wParam = 0);

// Delivers the message at once; only on the receiver's thread.
void SendMessageTo(QObject *receiver, int message, int wParam = 0);

} // namespace orrin
