// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The content of the information view: the phone or SIM section, the two
// clocks and the link that sets the phone's clock to the computer's.

#include "link/MessageTarget.h"
#include "stores/info/InfoData.h"

#include <QWidget>

namespace orrin {

class CLinkLabel;

// Message the "Sync to Local time" link posts to the content window.
constexpr int WM_SYNC_TIME = 1025;

// Turns the phone's clock text "yy/MM/dd,hh:mm:ss" into its long form
// ("December 25, 2004, 10:11:12") and rewrites the raw text without anything
// after the seconds. An empty text gives an empty long form.
QString FormatPhoneTime(QString *raw);

// The signal picture for a signal text in dBm: 180 (-113), 177, 178, 179 or
// 176 (-51); 0 for any other value.
int SignalPictureId(const QString &signal);

enum InfoSection : int { kPhoneSection = 0, kSimSection = 1 };

class CInfoContent : public CMessageTarget<QWidget> {
    Q_OBJECT
public:
    explicit CInfoContent(QWidget *parent = nullptr);

    void SetTexts(const InfoTexts &texts) { m_texts = texts; }
    const InfoTexts &Texts() const { return m_texts; }
    void SetSection(int section);
    int Section() const { return m_nSection; }
    void SetLocalTimeText(const QString &text);
    QString LocalTimeText() const { return m_strLocalTimeText; }
    QString PhoneTimeText() const { return m_strPhoneTimeText; }
    // Where the phone section shows the signal picture; empty when none.
    QRect SignalPictureRect() const;

    // The store's answer has arrived: the phone time gets its long form.
    void OnInfoDone();

signals:
    // "Sync to Local time" was clicked.
    void SyncRequested();

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void OnMessage(int message, int wParam) override;

private:
    void PaintPhoneSection(QPainter &painter);
    void PaintSimSection(QPainter &painter);
    void PaintTimeSection(QPainter &painter);

    InfoTexts m_texts;
    int m_nSection = kPhoneSection;
    QString m_strLocalTimeText;
    QString m_strPhoneTimeText;
    CLinkLabel *m_syncLink;
};

} // namespace orrin
