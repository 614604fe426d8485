// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The simulator's main loop: bytes from the host reach the session at the
// line rate, as a serial line delivers them however fast the host wrote;
// answers go back through the pacer, until SIGINT or SIGTERM.

#include "phonesim/core/OutputPacer.h"
#include "phonesim/PtyLine.h"
#include "phonesim/core/SimSession.h"

#include <QElapsedTimer>

class CSimLoop {
public:
    CSimLoop(CPtyLine &line, phonesim::CSimSession &session, int baudRate, int latencyMs);

    // Runs until a stop signal (see InstallStopSignals); false, with the
    // reason, when the line broke.
    bool Run(QString *error);

private:
    bool WaitForEvents(bool *stopRequested);
    void ReadFromHost();
    bool FeedArrived(QString *error);
    void WriteDue();
    bool HangUp(QString *error);
    void HostClosed();
    bool HostStillAway() const;
    qint64 Now() const { return m_clock.elapsed(); }

    CPtyLine &m_line;
    phonesim::CSimSession &m_session;
    phonesim::COutputPacer m_pacer;
    phonesim::COutputPacer m_arrivals;  // what the host wrote, as the line carries it
    int m_baudRate;
    int m_latencyMs;
    bool m_hostAway = false;
    QElapsedTimer m_clock;
};

// Makes SIGINT and SIGTERM end Run; call before the device is announced, so
// that a starter may stop the phone as soon as it knows the device.
bool InstallStopSignals();

// Prints the "device:" line that tells a starter where the phone is.
void AnnounceDevice(const QString &device);
