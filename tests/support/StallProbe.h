// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The longest the interface thread went without running a 10 ms timer:
// how long the window could not have answered the user.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <algorithm>

namespace orrin::test {

class StallProbe {
public:
    static constexpr int kTickMs = 10;

    StallProbe()
    {
        m_timer.setInterval(kTickMs);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            m_longestMs = std::max(m_longestMs, m_sinceTick.restart());
        });
        m_sinceTick.start();
        m_timer.start();
    }
    // The longest gap between two ticks.
    qint64 LongestMs() const { return m_longestMs; }

private:
    QTimer m_timer;
    QElapsedTimer m_sinceTick;
    qint64 m_longestMs = 0;
};

} // namespace orrin::test
