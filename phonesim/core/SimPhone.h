// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The simulated phone as its command handlers see it: the state, the
// settings the host changes (echo, error reporting) and the running clock.

#include "phonesim/core/SimState.h"

#include <QDateTime>

#include <functional>
#include <optional>

namespace phonesim {

class CSimPhone {
public:
    using TimeSource = std::function<QDateTime()>;

    explicit CSimPhone(SimState state, TimeSource now = &QDateTime::currentDateTime);

    SimState &State() { return m_state; }
    const SimState &State() const { return m_state; }

    bool echo = true;          // ATE
    bool numericErrors = false; // AT+CMEE=1
    QByteArray charset = "GSM"; // AT+CSCS
    QByteArray bookMemory = "SM";    // AT+CPBS
    QByteArray readMemory = "SM";    // AT+CPMS: listing, reading, deleting
    QByteArray writeMemory = "SM";   // storing and sending from storage
    QByteArray receiveMemory = "SM"; // where new messages arrive
    int nextReference = 0;           // of the next message sent
    bool obexRequested = false;      // AT^SQWE=3 was answered: OBEX follows
    bool bfbRequested = false;       // AT^SBFB=1 was answered: BFB frames follow

    // An object being written with AT^SBNW, part by part; it is stored only
    // when its last part arrived in order.
    struct Upload {
        QByteArray type;
        int index = 0;
        int parts = 0;
        int received = 0;
        QByteArray data;
    };
    std::optional<Upload> upload;

    // A new message arrives in the receive memory: the +CMTI line that tells
    // the host, or nothing when the memory is full.
    std::optional<QByteArray> ReceiveMessage();

    // The phone's clock now.
    QDateTime Now() const { return m_now().addSecs(m_state.clockOffsetSeconds); }
    // The clock as "yy/MM/dd,hh:mm:ss"; it runs on from the time last set.
    QString ClockText() const;
    // False, leaving the clock alone, for text that is no clock time.
    bool SetClock(const QString &text);

private:
    SimState m_state;
    TimeSource m_now;
};

} // namespace phonesim
