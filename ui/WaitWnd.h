// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The wait window: a small borderless window over its owner with the
// operation's text and an animated "Please wait". At most one exists; it is
// reached through the functions below.

#include <QBasicTimer>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

namespace orrin {

class CWaitWnd : public QWidget {
    Q_OBJECT
public:
    CWaitWnd(QWidget *owner, const QString &text);

    QString Text() const { return m_text; }
    QString Dots() const { return m_dots; }
    void SetText(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    QPixmap m_background;
    QString m_text;
    QString m_dots;
    QBasicTimer m_timer;
};

// Set at start-up; when false the wait window is never shown.
void SetWaitWindowEnabled(bool enabled);

// Creates the wait window when enabled and none exists; otherwise nothing.
void ShowWaitWindow(QWidget *owner, const QString &text);
// Replaces the text of the wait window, if one exists. Callable from any
// thread: the worker changes the text as an operation moves on. Installed
// as the handler of SetWaitText (link/WaitText.h) by InstallWaitWindow.
void ChangeWaitText(const QString &text);
void InstallWaitWindow();
void HideWaitWindow();
// The wait window now shown, or null.
CWaitWnd *TheWaitWindow();

} // namespace orrin
