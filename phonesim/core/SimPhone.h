#pragma once
// The simulated phone as its command handlers see it: the state, the
// settings the host changes (echo, error reporting) and the running clock.

#include "SimState.h"

#include <QDateTime>

#include <functional>

namespace phonesim {

class CSimPhone {
public:
    using TimeSource = std::function<QDateTime()>;

    explicit CSimPhone(SimState state, TimeSource now = &QDateTime::currentDateTime);

    SimState &State() { return m_state; }
    const SimState &State() const { return m_state; }

    bool echo = true;          // ATE
    bool numericErrors = false; // AT+CMEE=1

    // The clock as "yy/MM/dd,hh:mm:ss"; it runs on from the time last set.
    QString ClockText() const;
    // False, leaving the clock alone, for text that is no clock time.
    bool SetClock(const QString &text);

private:
    SimState m_state;
    TimeSource m_now;
};

} // namespace phonesim
