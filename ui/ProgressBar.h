// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The progress bar in the status bar's first pane, and the main frame's part
// that starts it, steps it after g_nProgress every 500 ms and stops it.

#include <QBasicTimer>
#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QProgressBar>

#include <memory>

namespace orrin {

// A progress control placed inside a status-bar pane after a caption.
class CProgressBar : public QProgressBar {
    Q_OBJECT
public:
    CProgressBar(QLabel *pane, const QString &caption, int percent, int maximum, bool smooth);
    ~CProgressBar() override;

    // Places the bar after the caption and four blanks, across the given
    // share of the rest of the pane, inset by a tenth of its height.
    void Reposition();

private:
    QPointer<QLabel> m_pane;
    QString m_caption;
    int m_percent;
};

// The main frame's progress: the bar, its timer and the last value stepped to.
class CStatusProgress : public QObject {
    Q_OBJECT
public:
    explicit CStatusProgress(QLabel *pane);
    ~CStatusProgress() override;

    void Start();
    void Stop();
    // One timer tick: steps the bar up to g_nProgress, never down.
    void Step();

    CProgressBar *Bar() const { return m_bar.get(); }

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    QPointer<QLabel> m_pane;
    std::unique_ptr<CProgressBar> m_bar;
    QBasicTimer m_timer;
    int m_lastValue = 0;
};

// The main frame's progress, for the views: start it before a command is
// written, stop it when its answer has arrived.
void StartProgress();
void StopProgress();

} // namespace orrin
