// SPDX-License-Identifier: GPL-2.0-or-later
#include "phonesim/core/OutputPacer.h"

#include <algorithm>
#include <cmath>

namespace phonesim {
namespace {

constexpr double kBitsPerByte = 10;

} // namespace

COutputPacer::COutputPacer(int baudRate) : m_msPerByte(baudRate > 0 ? kBitsPerByte * 1000.0 / baudRate : 0) {}

void COutputPacer::Push(const QByteArray &bytes, qint64 notBeforeMs)
{
    if (bytes.isEmpty())
        return;
    // Bytes keep their order: nothing goes before what was pushed earlier.
    if (!m_queue.empty())
        notBeforeMs = std::max(notBeforeMs, m_queue.back().notBeforeMs);
    m_queue.push_back({bytes, notBeforeMs});
}

QByteArray COutputPacer::Take(qint64 nowMs)
{
    QByteArray due;
    while (!m_queue.empty() && m_queue.front().notBeforeMs <= nowMs) {
        Pending &front = m_queue.front();
        qsizetype count = front.bytes.size();
        if (m_msPerByte > 0) {
            // An idle line starts when the bytes are due; it never saves up
            // time for a burst. A busy line keeps going while the loop that
            // takes its bytes is late, and what it carried meanwhile is due.
            const double start = std::max(m_lineFreeAtMs, double(front.notBeforeMs));
            const auto allowed = qsizetype(std::floor((double(nowMs) - start) / m_msPerByte)) + 1;
            count = std::clamp<qsizetype>(allowed, 0, count);
            m_lineFreeAtMs = start + double(count) * m_msPerByte;
        }
        if (count == 0)
            break;
        due += front.bytes.left(count);
        front.bytes.remove(0, count);
        if (!front.bytes.isEmpty())
            break;
        m_queue.pop_front();
    }
    return due;
}

void COutputPacer::PutBack(const QByteArray &bytes)
{
    if (!bytes.isEmpty())
        m_queue.push_front({bytes, 0});
}

qint64 COutputPacer::NextDueMs() const
{
    if (m_queue.empty())
        return -1;
    const double due = std::max(double(m_queue.front().notBeforeMs), m_lineFreeAtMs);
    return qint64(std::ceil(due));
}

} // namespace phonesim
