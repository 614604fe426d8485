// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The information view, the one shown at start: the phone's identity and
// state or the SIM card's, the phone's clock beside the computer's, and the
// clock synchronisation.

#include "views/common/DataView.h"

#include <QBasicTimer>

namespace orrin {

class CHeaderBar;
class CInfoContent;
class CTaskPane;

// Commands of the information view's task pane (menu 138).
enum InfoViewCommand : int {
    ID_INFO_PHONE = 32778,
    ID_INFO_SIM = 32779,
    ID_INFO_TIME = 32780,
};
constexpr int kInfoMenu = 138;

class CInfoWnd : public CDataView {
    Q_OBJECT
public:
    explicit CInfoWnd(QWidget *parent = nullptr);

    bool OnCommand(int id) override;
    // Sets the phone's clock to the computer's (the content's link).
    void SyncToLocalTime();
    // Timer 1: the computer's clock, once the phone's has been read.
    void ShowLocalTime();

signals:
    // Once, at the start of the first paint, before the content paints: the
    // settings are loaded then. A receiver must not run a modal loop here.
    void FirstPainted();

protected:
    void OnMessage(int message, int wParam) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    bool Read(int code, const QString &waitText);

    CTaskPane *m_taskPane;
    CHeaderBar *m_header;
    CInfoContent *m_content;
    QString m_strPhoneTimeRaw;
    bool m_bFirstPaint = true;
    QBasicTimer m_clockTimer;
};

} // namespace orrin
