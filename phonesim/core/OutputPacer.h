// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// When bytes on one direction of the line have passed: the phone's answers
// not before its latency, and either way at most as fast as the line rate
// carries them (ten bits per byte). Time is in milliseconds of any steady
// clock.

#include <QByteArray>

#include <deque>

namespace phonesim {

class COutputPacer {
public:
    // baudRate 0: no pacing.
    explicit COutputPacer(int baudRate = 0);

    void Push(const QByteArray &bytes, qint64 notBeforeMs);
    // The bytes due at this time, taken from the queue.
    QByteArray Take(qint64 nowMs);
    // Bytes the line did not accept go back to the front.
    void PutBack(const QByteArray &bytes);
    // When Take will next have something; -1 when nothing waits.
    qint64 NextDueMs() const;
    bool IsEmpty() const { return m_queue.empty(); }
    void Clear() { m_queue.clear(); }

private:
    struct Pending {
        QByteArray bytes;
        qint64 notBeforeMs;
    };

    double m_msPerByte;
    double m_lineFreeAtMs = 0;  // when the line has carried everything taken so far
    std::deque<Pending> m_queue;
};

} // namespace phonesim
